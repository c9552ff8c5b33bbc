$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var y = 0 , w = 0;
cDebugger.EnableDebugger();
y = Twice(3);
w = 2;

 }); }); });