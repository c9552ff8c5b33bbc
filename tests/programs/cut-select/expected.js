$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
switch(key) {
case 1 :
Handle();
break ;
case :

 }); });