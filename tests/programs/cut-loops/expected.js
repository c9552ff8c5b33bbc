$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
x += 1;
} while(!()) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
while() {

 }); }); });