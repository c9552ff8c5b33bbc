$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , x = 0 , y = 0 , u = 0 , b = 0;
cDebugger.EnableDebugger();
a = 1;
x = 5;
y = 6;
u = 3;
u = 3;
b = 2;

 }); }); });