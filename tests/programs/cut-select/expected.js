$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var key = 0;
cDebugger.EnableDebugger();
if(key == 1) {
Handle();
} else if(false) {

 }); }); });