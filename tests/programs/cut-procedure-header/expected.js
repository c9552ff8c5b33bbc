$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
function Area(w , h;
return w * h;

 }); });