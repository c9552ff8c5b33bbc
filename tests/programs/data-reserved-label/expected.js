$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_Label_in = 0;
var KVX_Label_Sizes = 2;
cCommon.KVX_Global_Label = KVX_Label_in;
cCommon.KVX_DataArray =[1 , 2 , 3];
cDebugger.EnableDebugger();
cData.Restore(KVX_Label_in);
cData.Restore(KVX_Label_Sizes);

 }); }); });