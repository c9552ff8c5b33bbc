$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
function KVX_Gosub_Twice() {
};
function P() {
};
if(x) {
};
for(var i = 1 ;i<=3; i++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
break;
};

 }); }); });