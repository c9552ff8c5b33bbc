$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , ok = 0 , n = 0;
cDebugger.EnableDebugger();
a = 2;
b = 2;
ok =(a == b ? 1 : 0);
ok =(a != b &&(a >= 1 || b == 0) ? 1 : 0);
n =(a == b ? 1 : 0) + 1;

 }); }); });