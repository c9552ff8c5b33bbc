$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
x = 1;

 }); }); });