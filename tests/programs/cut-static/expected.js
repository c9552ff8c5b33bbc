$(function () {	$(document).ready(function () { 
var KVX_Count_calls = 0;
cDebugger.EnableDebugger();
function Count() {
KVX_Count_calls += 1;

 }); });