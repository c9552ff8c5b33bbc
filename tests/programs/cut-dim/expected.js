$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
var b = new Array(5);
for(var c = 0 ; c <= 5; c ++) b[c] = new Array();
x = b[1];
var a = new Array();
for(var c = 0 ; c <= ; c ++) a[c] = new Array();

 }); });