$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , d = 0;
cDebugger.EnableDebugger();
// ; shortcut statements that JavaScript writes as *=, %=, &= and /=;
x = 100;
x *= 3;
x %= 7;
x &= 5;
d = 10;
d *= 2;
d /= 4;

 }); }); });