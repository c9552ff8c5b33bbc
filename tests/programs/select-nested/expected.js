$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var c = 0;
cDebugger.EnableDebugger();
var i = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;i<=9; i++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
var KVX_Select1 = i % 4;
if(KVX_Select1 == 0) {
continue;
} else if(KVX_Select1 == 1 || KVX_Select1 == 2) {
var KVX_Select2 = cString.Str(i);
if(KVX_Select2 == "1") {
cDebugger.Debug("one");
} else {
break;
};
} else if((KVX_Select1 >= 3 && KVX_Select1 <= 5)) {
};
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
if((c >= 97 && c <= 122) || c == 95) {
};

 }); }); });