$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var items = new cLinkedList();
var scores = new cMap() ;
items.AddElement();
items.setData(1);
scores.setData2("a" , 2);
items.ForEach_Init() ;
while(items.ForEach()) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
cDebugger.Debug(items.getData());
};
ForEachMap_Init(scores) ;
while(ForEachMap(scores)) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
cDebugger.Debug(scores.getData());
};

 }); }); });