$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
x = 1;

 }); });