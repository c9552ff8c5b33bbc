$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; KVX_Converter_Begin_Raw
x = 1
// ; KVX_Converter_End_Raw;
y = 2;

 }); });