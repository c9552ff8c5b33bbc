$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var key = 0;
cDebugger.EnableDebugger();
switch(key) {
case 1 :
Handle();
break ;
case :

 }); }); });