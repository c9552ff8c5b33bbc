$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var word = 0 , n = 0 , k = 0;
cDebugger.EnableDebugger();
var count = new cMap() ;
var names = new cMap() ;
count.setData2("a" + "b" , 2);
count.setData2(word , count.getData2(word) + 1);
n = count.getData2(cString.Str(k));
n = count.getData2(names.getData2(1));
count.setData(n * 2);

 }); }); });