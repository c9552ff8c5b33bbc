$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0;
cDebugger.EnableDebugger();
var items = new cLinkedList();
KVX_Loop1 : {
while(a < 10) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
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
};
};

 }); }); });