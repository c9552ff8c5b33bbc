$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0 , name = "" , a = 0 , b = 0;
cDebugger.EnableDebugger();
total = 0;
total += 1;
name = "dir" + cString.Chr(13) + cString.Chr(10);
(a > b);

 }); }); });