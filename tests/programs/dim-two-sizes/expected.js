$(function () {	$(document).ready(function () { 
var k = 0;
cDebugger.EnableDebugger();
// ; grid;
var grid = new Array(10);
for(var c = 0 ; c <= 10; c ++) grid[c] = new Array(20);
var items = new Array(5);
for(var c = 0 ; c <= 5; c ++) items[c] = new Array();
for(var i = 0 ;i<=10; i++) {
for(var j = 0 ;j<=19; j++) {
grid[i][j + 1]= 0;
};
};
items[f(k)]= "x";
cDebugger.Debug(grid[1][2]+ cArray.ArraySize(items));

 }); });