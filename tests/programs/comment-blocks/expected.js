$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , c = 0 , e = 0 , f = 0;
cDebugger.EnableDebugger();
a = 1;
c = 3;
// ; KVX_Converter_Begin_Comment;
e = 5;
f = 6;

 }); }); });