$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var y = 0 , n = 0 , count = 0 , z = 0 , w = 0;
cDebugger.EnableDebugger();
y =((n + 1) *(n + 1));
cDebugger.Debug("hi" + "!");
count += 1;
cDebugger.Debug("deep" + "?");
count += 1;
cDebugger.Debug(cString.Str(5));
z = Again() + 1;
MacroTable();
w = Square(2);

 }); }); });