$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0;
cDebugger.EnableDebugger();
total = 0;
for(var = ;<=; ++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
for(var i = 1 ;i<=; i++) {

 }); }); });