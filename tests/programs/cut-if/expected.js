$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
if(a == 1 && b) {
x = 2;
} else if() {

 }); });