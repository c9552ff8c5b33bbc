$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , y = 0 , Chr = 0;
cDebugger.EnableDebugger();
x = cString.Chr(65);
y = cString.Chr(65);
Chr = 3;
function Grow(n) {
if(typeof n === "undefined" || n === null) n = cConstants.PB_Any ;
return n;
};
cCompilerDirectives.EnableExplicit;
cCompilerDirectives.DisableExplicit;
cMisc.End();

 }); }); });