$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
function Show(names , title) {
cDebugger.Debug(title);
names.ForEach_Init() ;
while(names.ForEach()) {
cDebugger.Debug(names.getData());
};
};
function PutR(v) {
cDebugger.Debug(v);
};
var ne = new cLinkedList();
ne.AddElement();
ne.setData("Ann");
Show(ne , "all");
PutR(ne.getData());

 }); }); });