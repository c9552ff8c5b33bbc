$(function () {	$(document).ready(function () { 
var x = 0 , y = 0;
cDebugger.EnableDebugger();
x = 1;
y = 2 // ; set y;

 }); });