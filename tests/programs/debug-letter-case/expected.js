$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
x = 5;
cDebugger.Debug(x);
cDebugger.Debug(x * 2);

 }); });