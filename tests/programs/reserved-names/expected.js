$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
KVX_in = 3;
KVX_new = KVX_in + 1;
function Show(KVX_this) {
return KVX_this * 2;
};
KVX_function = Show(KVX_new);
Delete = 1;

 }); });