$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var n = 0;
cDebugger.EnableDebugger();
function Shout(text) {
cDebugger.Debug(text + "!");
};
var Point =(function() {
function Point() {
this.x = 0 ;
} return Point ;})();
Limit = 2;
var KVX_Goto = 0;
KVX_Jumps : for(;;) {
switch(KVX_Goto) {
case 0 :
KVX_Goto = 2 ; continue KVX_Jumps;
case 1 :
Shout("back");
case 2 :
n += 1;
if(n < Limit) {
KVX_Goto = 1 ; continue KVX_Jumps;
};
};
break ;
};

 }); }); });