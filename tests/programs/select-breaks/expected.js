$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var key = 0 , mode = 0 , x = 0;
cDebugger.EnableDebugger();
// ; key handling;
function Handle() {
cDebugger.Debug("one");
};
switch(key) {
case 1 :
Handle();
break ;
case 2 :
break ;
default :
};
switch(mode) { // ; which mode;
case 10 , 20 : // ; tens;
x = 1;
break ;
default : // ; anything else;
x = 0;
};

 }); }); });