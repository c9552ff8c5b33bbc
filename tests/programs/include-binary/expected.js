$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
x = 1;

 }); });