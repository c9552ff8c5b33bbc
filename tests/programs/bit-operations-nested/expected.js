$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , c = 0 , x = 0 , y = 0;
cDebugger.EnableDebugger();
// ; 53-bit bit operations as operands of other operations and stored into small types;
a = 12;
b = 5;
c = 3;
x = cNum.and(cNum.or(a , b) , c);
x = cNum.shl(cNum.xor(a , b) , c);
y = Math.trunc(cNum.shl(a , 1) / 3);
var ch = 0;
ch = cNum.shl(ch , 10) & 65535;
var l = 0;
l = cNum.shl(a , 20) | 0;

 }); }); });