$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
function Count(seen , key) {
seen.setData2(key , seen.getData2(key) + 1);
return seen.getData2(key);
};
var m = new cMap() ;
m.setData2("a" , 1);
Count(m , "a");
cDebugger.Debug(m.getData2("a"));

 }); }); });