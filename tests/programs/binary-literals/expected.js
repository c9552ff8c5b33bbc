$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
mask = cString.Val("%1010");
low = mask % 4;
high = cString.Val("%1") + cString.Val("$F");

 }); });