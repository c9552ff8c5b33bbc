$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
// ; jumps forward and back;
var i = 0;
KVX_Goto_Again : for(;;) {
i += 1;
if(i < 3) {
continue KVX_Goto_Again;
};
break ;
};
KVX_Goto_Done : {
if(i == 3) {
break KVX_Goto_Done;
};
cDebugger.Debug("skipped");
};
cDebugger.Debug(i);
function Countdown(n) {
KVX_Goto_Top : for(;;) {
if(n > 0) {
n -= 1;
continue KVX_Goto_Top;
};
break ;
};
return n;
};
cDebugger.Debug(Countdown(2));

 }); }); });