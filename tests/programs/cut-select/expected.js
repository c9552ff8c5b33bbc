$(function () {	$(document).ready(function () { 
var key = 0;
cDebugger.EnableDebugger();
if(key == 1) {
Handle();
} else if(false) {

 }); });