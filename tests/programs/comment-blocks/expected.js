$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
a = 1;
c = 3;
// ; KVX_Converter_Begin_Comment;
e = 5;
f = 6;

 }); });