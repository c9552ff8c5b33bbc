$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
function KVX_Gosub_Twice() {
};
function P() {
};
if(x) {
};
var i = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;i<=3; i++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
break;
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });