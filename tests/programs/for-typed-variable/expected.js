$(function () {	$(document).ready(function () { 
var total = 0;
cDebugger.EnableDebugger();
for(var n = 1 ;n<=50; n++) {
total += n;
};
for(var k = 10 ;k>=0; k=k-5) {
};

 }); });