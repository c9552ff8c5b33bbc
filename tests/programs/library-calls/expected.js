$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
x = cString.Chr(65);
y = chr(65);
Chr = 3;
function Grow(n) {
if(typeof n === "undefined" || n === null) n = cConstants.PB_Any ;
return n;
};
cCompilerDirectives.EnableExplicit;
cCompilerDirectives.DisableExplicit;
cMisc.End();

 }); });