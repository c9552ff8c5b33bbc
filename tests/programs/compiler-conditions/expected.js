$(function () {	$(document).ready(function () { 
cDebugger.DisableDebugger();
x = 3;
y = 0;
Mode = 2 * 3;
m = 6;
function Helper() {
};
h = 1;
os = 5;
cpu = 2;
file = "input.pb";

 }); });