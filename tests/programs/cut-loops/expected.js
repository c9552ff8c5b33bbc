$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
do {
x += 1;
} while(!()) ;
while() {

 }); });