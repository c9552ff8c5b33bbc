$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , x = 0 , flag = 0;
cDebugger.EnableDebugger();
if(!(a > b)) {
cDebugger.Debug(1);
};
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(!(a == 3) && b) {
a += 1;
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
} while(!(! f(a ,(b >= 1 ? 1 : 0)))) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
x =(! flag ? 1 : 0);

 }); }); });