$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var first = 0 , second = 0 , x = 0;
var KVX_Label_Values = 0;
cCommon.KVX_Global_Label = KVX_Label_Values;
cCommon.KVX_DataArray =[3 , 4];
cDebugger.EnableDebugger();
first = cData.Read();
second = cData.Read();
x = first + second;

 }); }); });