$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , y = 0;
cDebugger.EnableDebugger();
x = 1;
// KVX_Converter_Begin_Raw
$("#a").hide() ;
var b = 2 ;
// KVX_Converter_End_Raw;
y = 2;

 }); }); });