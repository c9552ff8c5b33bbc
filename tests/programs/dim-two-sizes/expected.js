$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var k = 0;
cDebugger.EnableDebugger();
// ; grid;
var grid = cArray.dim(grid , 'i' , null , 10 , 20);
var items = cArray.dim(items , 's' , null , 5);
var i = 0 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;i<=10; i++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
for(var j = 0 ;j<=19; j++) {
grid.d[i * grid.s0 +(j + 1)]= 0;
};
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
items.d[f(k)]= "x";
cDebugger.Debug(grid.d[1 * grid.s0 + 2]+ cArray.ArraySize(items));

 }); }); });