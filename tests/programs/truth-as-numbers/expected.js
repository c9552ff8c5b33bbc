$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , n = 0 , s = "" , f = 0;
cDebugger.EnableDebugger();
// ; comparisons, Bool(), And, Or and Not used as numbers are 1 and 0;
a = 3;
b = 4;
n =(a < b ? 1 : 0);
n =(a < b ? 1 : 0) +(a == b ? 1 : 0) * 2;
n +=(b > a && a > 0 ? 1 : 0);
s = cString.Str((a != b ? 1 : 0));
n =(! a ? 1 : 0);
n =(! a || b ? 1 : 0);
cDebugger.Debug((a >= b ? 1 : 0));
if((a < b)) {
n = 1;
};
n = 0;
f =(a < b ? 1 : 0) / 2;

 }); }); });