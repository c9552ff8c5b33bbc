$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , c = 0;
cDebugger.EnableDebugger();
a = 2;
b = 1;
c = 3;

 }); }); });