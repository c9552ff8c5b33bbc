$(function () {	$(document).ready(function () { 

cCommon.KVX_DataArray =[- 5 , 10 , "x"];
cDebugger.EnableDebugger();
n = 1;

 }); });