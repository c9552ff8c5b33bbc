$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var s = 0 , t = 0;
cDebugger.EnableDebugger();
s = "<b> &amp; café";
t = "A&#66;" + "A";

 }); }); });