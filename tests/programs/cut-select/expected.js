$(function () {	$(document).ready(function () { 
var key = 0;
cDebugger.EnableDebugger();
switch(key) {
case 1 :
Handle();
break ;
case :

 }); });