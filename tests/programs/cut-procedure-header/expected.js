$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
function Area(w , h;
return w * h;

 }); }); });