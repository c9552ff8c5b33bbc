$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , y = 0 , m = 0 , h = 0 , os = 0 , cpu = 0 , file = "";
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

 }); }); });