$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
x = 1;
y = 2 // ; set y;

 }); });