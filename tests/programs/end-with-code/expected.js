$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
if(cConsole.OpenConsole() == 0) {
cMisc.End();
};
cConsole.PrintN("hi");
cMisc.End() // ; failure;
cMisc.End();

 }); }); });