$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , x = 0 , g = 0 , n = 0 , ok = 0;
cDebugger.EnableDebugger();
a = 5;
b = 3;
x = cNum.xor(a , b);
g = cNum.xor(n ,(cNum.shr(n , 1)));
ok =(! a ? 1 : 0);

 }); }); });