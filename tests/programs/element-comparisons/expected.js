$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var n = 0 , k = 0 , ok = 0;
cDebugger.EnableDebugger();
var items = new cLinkedList();
var scores = new cMap() ;
items.AddElement();
items.setData(0);
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(items.getData() == 0) {
items.setData(1);
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
if(scores.getData2("k") == 1) {
n = 1;
};
if(scores.getData() != 2 || scores.getData2(k + 1) == 3) {
};
ok =(items.getData() == 1 ? 1 : 0);

 }); }); });