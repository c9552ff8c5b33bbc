$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
function Sum(values , n) {
var total = 0;
total = 0;
for(var i = 0 ;i<=n; i++) {
total += values[i];
};
return total | 0;
};
var a = new Array(3);
for(var c = 0 ; c <= 3; c ++) a[c] = new Array();
a[1]= 5;
cDebugger.Debug(Sum(a , 3));

 }); });