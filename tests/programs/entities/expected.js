$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
s = "<b> &amp; café";
t = "A&#66;" + "A";

 }); });