$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , ok = 0;
cDebugger.EnableDebugger();
// ; every pair of operators that PureBasic groups otherwise than JavaScript;
var a = 0 , b = 0 , c = 0;
x = a *(b % c);
x = Math.trunc(a /(b % c));
x = a % b * c;
x = a + cNum.shl(b , 1);
x = cNum.shl(a , 1) + 1;
x = a -(b >> 1);
x =(a >> b) + c;
x = a *(b & c);
x = a +(b | c);
x =(a | b) & c;
x = a & b | c;
x = a &(b ^ c);
x =(a ^ b) & c;
x = a ^ b | c;
x = cNum.shl(a , b) % c;
x = cNum.shl(a ^ b , c);
x = a +(b ^ c);
x = a - b - c;
x = a -(b - c);
x = - a % b;
if((a & 1) == 0 ||(a | b) != c) {
x = 1;
};
ok =((a || b) && c ? 1 : 0);
ok =(a > b ^ b > c ? 1 : 0);

 }); }); });