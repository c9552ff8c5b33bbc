$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var c = 0 , space = 0 , word = "";
cDebugger.EnableDebugger();
c = 113;
if(c >= 97 && c <= 122) {
c -= 32;
};
space = 32;
word = 'ab';

 }); }); });