$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var s = "" , x = 0;
cDebugger.EnableDebugger();
// ; loops;
s = "abc";
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(s != "") {
s = cString.Mid(s , 2);
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
x = 0;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
x += 1;
} while(!(x >= 5)) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do { // ; outer;
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
while(x > 0 && x != 3) { // ; count down;
x -= 1;
};
} while(!(x == 3 || x < 0)) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
break;
} while(true) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });