$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , y = 0;
cDebugger.EnableDebugger();
x = 1;
y = 2 // ; set y;

 }); }); });