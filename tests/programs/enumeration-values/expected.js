$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
Base = 10;
var A = 10;
var B = A * 2 + 1;
var C = 26;
var F1 = 1;
var F2 = 2;
var Early =(cConstants.PB_Date_Hour);
var Late = Early + 1;
var F3 = 4;
x = C + F3;

 }); }); });