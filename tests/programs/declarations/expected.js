$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; declarations;
var total = 0 , name = "x";
var i = 0 , j = 2;
var count = 0;
var ratio = 1.5;
var label = "" // ; shown later;
var p = new Point();
var a = new Array(5);
for(var c = 0 ; c <= 5; c ++) a[c] = new Array();

 }); });