$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var k = 0;
cDebugger.EnableDebugger();
// ; grid;
var grid = cArray.dim(grid , 'i' , null , 10 , 20);
var items = cArray.dim(items , 's' , null , 5);
for(var i = 0 ;i<=10; i++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
for(var j = 0 ;j<=19; j++) {
grid.d[i * grid.s0 +(j + 1)]= 0;
};
};
items.d[f(k)]= "x";
cDebugger.Debug(grid.d[1 * grid.s0 + 2]+ cArray.ArraySize(items));

 }); }); });