$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.DisableDebugger();
cDebugger.Debug("start");
x = 5;
cDebugger.Debug(x) // ; show x;
cDebugger.Debug();
cDebugger.Debug(x , 1);
cDebugger.Debug(x * 2);
cDebugger.Debug(x);
debugger;
debugger;
cDebugger.EnableDebugger();
cDebugger.DisableDebugger();

 }); }); });