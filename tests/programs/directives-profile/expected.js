$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// KVX_Converter_SetProfile;
x = 1;

 }); });