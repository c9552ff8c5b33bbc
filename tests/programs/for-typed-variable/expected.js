$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0;
cDebugger.EnableDebugger();
for(var n = 1 ;n<=50; n++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
total += n;
};
for(var k = 10 ;k>=0; k=k-5) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
};

 }); }); });