$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_Counter_calls = 0 , KVX_Total_sum = 0;
cDebugger.EnableDebugger();
// ; a counter that keeps its value;
function Counter() {
KVX_Counter_calls += 1;
return KVX_Counter_calls;
};
function Other() {
var calls = 0;
calls = 0;
};
function Total(n) {
// ; kept between calls;
KVX_Total_sum = KVX_Total_sum + n;
return KVX_Total_sum;
};
Counter();

 }); }); });