$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
x = 5;
cDebugger.Debug(x);
cDebugger.Debug(x * 2);

 }); }); });