$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0;
cDebugger.EnableDebugger();

// KVX_Converter_SetProfile;
a = 1;
cDebugger.Debug("x");

 }); }); });