$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0;
cDebugger.EnableDebugger();
var n = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;n<=50; n++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
total += n;
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
var k = 10 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;k>=0; k=k-5) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });