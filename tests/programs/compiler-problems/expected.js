$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
a = 2;
b = 1;
c = 3;

 }); });