$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
a = 2;
b = 2;
ok =(a == b);
ok =(a != b &&(a >= 1 || b == 0));
n =(a == b) + 1;

 }); });