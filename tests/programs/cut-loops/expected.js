$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
do {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
x += 1;
} while(!()) ;
while() {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();

 }); }); });