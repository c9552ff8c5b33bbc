$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
a = 5;
b = 3;
x = a ^ b;
g = n ^(n >> 1);
ok = ! a;

 }); });