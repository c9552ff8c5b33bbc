$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var s = "" , i = 0;
cDebugger.EnableDebugger();
// ; floats: single precision where a .f is stored, the debugger's text, floats joined to text;
var f = 0 , g = 0;
var d = 0;
function Scale(x , k) {
return Math.fround(x * k);
};
f = Math.fround(1.5);
g = Math.fround(f * f);
d = f * 0.1;
f = Scale(Math.fround(d) , 2);
cDebugger.Debug(cDebugger.floatText(f , 1));
cDebugger.Debug(cDebugger.floatText(d , 0));
s = "f: " + cString.StrF(f) + ", d: " + cString.StrD(d);
i = cNum.round(Scale(2 , 1.25));

 }); }); });