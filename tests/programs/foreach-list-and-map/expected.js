$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var items = new cLinkedList();
var scores = new cMap() ;
items.AddElement();
items.setData(1);
scores.setData2("a" , 2);
items.ForEach_Init() ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(items.ForEach()) {
cDebugger.Debug(items.getData());
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
ForEachMap_Init(scores) ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(ForEachMap(scores)) {
cDebugger.Debug(scores.getData());
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });