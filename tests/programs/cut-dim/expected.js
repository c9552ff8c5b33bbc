$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
var b = cArray.dim(b , 'i' , null , 5);
x = b.d[1];
var a = cArray.dim(a , 'i' , null);

 }); }); });