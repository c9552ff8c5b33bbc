$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
do {
x += 1;
} while(!()) ;
while() {

 }); });