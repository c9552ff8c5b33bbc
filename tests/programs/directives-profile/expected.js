$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
// KVX_Converter_SetProfile;
x = 1;

 }); });