$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
function Sum(values , n) {
var total = 0;
total = 0;
for(var i = 0 ;i<=n; i++) {
total += values.d[i];
};
return total | 0;
};
var a = cArray.dim(a , 'i' , null , 3);
a.d[1]= 5;
cDebugger.Debug(Sum(a , 3));

 }); }); });