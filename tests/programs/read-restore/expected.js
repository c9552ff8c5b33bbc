$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var title = "" , n = 0;
var KVX_Label_Colors = 0;
var KVX_Label_Sizes = 2;
cCommon.KVX_Global_Label = KVX_Label_Colors;
cCommon.KVX_DataArray =["red" , "green" , 1 , 2 , 3];
cDebugger.EnableDebugger();
cData.Restore(KVX_Label_Colors);
title = cData.Read();
cData.Restore();
n = cData.Read();
cData.Restore(KVX_Label_Sizes) // ; the numbers;

 }); }); });