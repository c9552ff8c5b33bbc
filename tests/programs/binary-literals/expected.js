$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var mask = 0 , low = 0 , high = 0;
cDebugger.EnableDebugger();
mask = cString.Val("%1010");
low = mask % 4;
high = cString.Val("%1") + cString.Val("$F");

 }); }); });