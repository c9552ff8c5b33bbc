$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0 , delta = 0;
cDebugger.EnableDebugger();
// ; countdown;
function Countdown(n) {
for(var k = n ;k>=0; k=k-2) { // ; even steps;
cDebugger.Debug(k);
};
};
for(var i = 1 ;i<=10; i++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
for(var j = 0 ;j<=i-1; j=j+3) {
total += j;
};
};
for(var s = 1 ;s<=9; s=s+delta) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
};

 }); }); });