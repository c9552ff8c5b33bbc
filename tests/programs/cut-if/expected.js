$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , x = 0;
cDebugger.EnableDebugger();
if(a == 1 && b) {
x = 2;
} else if() {

 }); }); });