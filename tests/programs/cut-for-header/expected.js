$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0;
cDebugger.EnableDebugger();
total = 0;
for(var = ;<=; ++) {
for(var i = 1 ;i<=; i++) {

 }); }); });