$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0;
cDebugger.EnableDebugger();
var items = new cLinkedList();
KVX_Loop1 : {
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(a < 10) {
KVX_Loop2 : {
for(var i = 0 ;i<=3; i++) {
items.ForEach_Init() ;
while(items.ForEach()) {
if(items.getData() == i) {
break KVX_Loop1;
};
if(items.getData() > 5) {
break KVX_Loop2;
};
};
do {
break;
} while(true) ;
};
};
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
};

 }); }); });