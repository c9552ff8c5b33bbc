$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
x = 0;
do {
x += 1;
} while(!(x >= 3)) ;
cDebugger.Debug(x);

 }); });