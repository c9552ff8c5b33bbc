$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var n = 0;
cCommon.KVX_DataArray =[- 5 , 10 , "x"];
cDebugger.EnableDebugger();
n = 1;

 }); }); });