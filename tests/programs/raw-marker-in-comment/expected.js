$(function () {	$(document).ready(function () { 
var x = 0 , y = 0;
cDebugger.EnableDebugger();
// ; KVX_Converter_Begin_Raw
x = 1
// ; KVX_Converter_End_Raw;
y = 2;

 }); });