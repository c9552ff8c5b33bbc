$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var th = 4;
var name = "";
th += 1;

 }); }); });