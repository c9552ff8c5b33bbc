$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , q = 0 , r = 0 , f = 0 , i = 0;
cDebugger.EnableDebugger();
// ; integer division truncates toward zero; % keeps the sign of the left operand;
a = - 7;
b = 2;
q = Math.trunc(a / b);
r = a % b;
q = Math.trunc(- 7 / 2);
q = Math.trunc(7 / - 2);
q = Math.trunc(Math.trunc((a + 1) / b) / 3);
f = a / b;
f = 7 / 2;
i = cNum.round(7 / 2 * 2.0);
q = cNum.round(a / 2.0);
cDebugger.Debug(Math.trunc(a / b));
cDebugger.Debug(cDebugger.floatText(7 / 2.0 , 0));
if(a / b == - 3.5) {
q = 0;
};

 }); }); });