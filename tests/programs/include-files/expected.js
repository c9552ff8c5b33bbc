$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
a = 1;
x = 5;
y = 6;
u = 3;
u = 3;
b = 2;

 }); });