$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; a counter that keeps its value;
function Counter() {
arguments.callee.calls;
arguments.callee.calls += 1;
return arguments.callee.calls;
};
function Other() {
calls = 0;
};
function Total(n) {
arguments.callee.sum = 0 // ; kept between calls;
arguments.callee.sum = arguments.callee.sum + n;
return arguments.callee.sum;
};
Counter();

 }); });