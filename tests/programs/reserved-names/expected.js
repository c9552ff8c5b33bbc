$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_in = 0 , KVX_new = 0 , KVX_function = 0 , Delete = 0;
cDebugger.EnableDebugger();
KVX_in = 3;
KVX_new = KVX_in + 1;
function Show(KVX_this) {
return KVX_this * 2;
};
KVX_function = Show(KVX_new);
Delete = 1;

 }); }); });