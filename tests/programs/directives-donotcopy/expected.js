$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();

// KVX_Converter_SetProfile;
a = 1;
cDebugger.Debug("x");

 }); });