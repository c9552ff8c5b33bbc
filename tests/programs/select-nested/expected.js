$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var c = 0;
cDebugger.EnableDebugger();
for(var i = 1 ;i<=9; i++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
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
if((c >= 97 && c <= 122) || c == 95) {
};

 }); }); });