$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
var A = 0;
var B = 1;

 }); });