$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var s = "" , x = 0;
cDebugger.EnableDebugger();
// ; loops;
s = "abc";
while(s != "") {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
s = cString.Mid(s , 2);
};
x = 0;
do {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
x += 1;
} while(!(x >= 5)) ;
do { // ; outer;
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
while(x > 0 && x != 3) { // ; count down;
x -= 1;
};
} while(!(x == 3 || x < 0)) ;
do {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
break;
} while(true) ;

 }); }); });