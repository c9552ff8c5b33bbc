$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var count = 0;
cDebugger.EnableDebugger();
KVX_Gosub_Init();
KVX_Gosub_Twice();
KVX_Gosub_Double();
KVX_Gosub_Countdown();
cMisc.End();
function KVX_Gosub_Init() {
count = 1;
};
function KVX_Gosub_Twice() {
if(count > 5) {
return;
};
count = count * 2;
KVX_Gosub_Double();
};
function KVX_Gosub_Double() {
count += count;
};
function KVX_Gosub_Countdown() {
KVX_Goto_Countdown : for(;;) {
count -= 1;
if(count > 0) {
continue KVX_Goto_Countdown;
};
break ;
};
};

 }); }); });