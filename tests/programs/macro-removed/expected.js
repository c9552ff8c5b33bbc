$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
y = Twice(3);
w = 2;

 }); });