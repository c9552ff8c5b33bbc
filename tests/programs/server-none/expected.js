$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , c = 0;
cDebugger.EnableDebugger();
a = 1;
b = 2;
function Twice(v) {
return v + v;
};
c = Twice(a);

 }); }); });