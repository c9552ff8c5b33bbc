$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_total = 0 , late = 0;
cDebugger.EnableDebugger();
// ; names that collide: a variable and a procedure, a Global inside a procedure;
function total(n) {
return n + 1;
};
KVX_total = total(2);
function Lonely() {
late += 1;
};
Lonely();
cDebugger.Debug(late);
function KVX_Math(KVX_Number) {
KVX_Number += 5;
return KVX_Number;
};
cDebugger.Debug(KVX_Math(3));
function Second(text) {
return text + "!";
};
cDebugger.Debug(Second("hi"));
KVX_total += 1;

 }); }); });