$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
// ; declarations;
var total = 0 , name = "x";
var i = 0 , j = 2;
var count = 0;
var ratio = 1.5;
var label = "" // ; shown later;
var p = new Point();
var a = cArray.dim(a , 'i' , null , 5);

 }); }); });