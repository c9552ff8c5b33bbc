$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0 , delta = 0;
cDebugger.EnableDebugger();
// ; countdown;
function Countdown(n) {
for(var k = n ;k>=0; k=k-2) { // ; even steps;
cDebugger.Debug(k);
};
};
var i = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;i<=10; i++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
for(var j = 0 ;j<=i-1; j=j+3) {
total += j;
};
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
var s = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;s<=9; s=s+delta) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });