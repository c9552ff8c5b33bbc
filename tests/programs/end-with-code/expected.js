$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
if(cConsole.OpenConsole() == 0) {
cMisc.End();
};
cConsole.PrintN("hi");
cMisc.End() // ; failure;
cMisc.End();

 }); });