$(function () {	$(document).ready(function () { 
var s = 0 , t = 0;
cDebugger.EnableDebugger();
s = "<b> &amp; café";
t = "A&#66;" + "A";

 }); });