$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0;
var KVX_Label_Sizes = 0;
cCommon.KVX_Global_Label = KVX_Label_Sizes;
cCommon.KVX_DataArray =[1 , 2 , 3];
cDebugger.EnableDebugger();
a = cData.Read();

 }); }); });