$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
// ; an integer stored into a .f keeps what single precision holds of it;
var big = 0;
big = Math.fround(16777217);
big = 3;

 }); }); });