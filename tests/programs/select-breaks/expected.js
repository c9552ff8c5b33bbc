$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var key = 0 , mode = 0 , x = 0;
cDebugger.EnableDebugger();
// ; key handling;
function Handle() {
cDebugger.Debug("one");
};
if(key == 1) {
Handle();
} else if(key == 2) {
} else {
};
// ; which mode;
if(mode == 10 || mode == 20) { // ; tens;
x = 1;
} else { // ; anything else;
x = 0;
};

 }); }); });