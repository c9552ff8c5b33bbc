$(function () {	$(document).ready(function () { 
var a = 0;
cDebugger.EnableDebugger();

// KVX_Converter_SetProfile;
a = 1;
cDebugger.Debug("x");

 }); });