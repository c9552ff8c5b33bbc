$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
// ; two blocks;
var First = 0;
var Second = 1;
var Red = 0;
var Green = 1;
// ; named;
var Small = 0;
var Large = 1;
Width = 640;
x = Width + Second;

 }); }); });