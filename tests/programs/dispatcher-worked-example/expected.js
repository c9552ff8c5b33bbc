$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
total = 0;
total += 1;
name = "dir" + cString.Chr(13) + cString.Chr(10);
(a > b);

 }); });