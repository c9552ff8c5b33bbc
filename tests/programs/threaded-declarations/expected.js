$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
var th = 4;
var name = "";
th += 1;

 }); });