$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var n = 0 , k = 0 , ok = 0;
cDebugger.EnableDebugger();
var items = new cLinkedList();
var scores = new cMap() ;
items.AddElement();
items.setData(0);
while(items.getData() == 0) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
items.setData(1);
};
if(scores.getData2("k") == 1) {
n = 1;
};
if(scores.getData() != 2 || scores.getData2(k + 1) == 3) {
};
ok =(items.getData() == 1 ? 1 : 0);

 }); }); });