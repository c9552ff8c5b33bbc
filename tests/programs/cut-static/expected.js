$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_Count_calls = 0;
cDebugger.EnableDebugger();
function Count() {
KVX_Count_calls += 1;

 }); }); });