$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , y = 0 , c = "";
var KVX_Label_Colors = 0;
cCommon.KVX_Global_Label = KVX_Label_Colors;
cCommon.KVX_DataArray =["red" , "blue"];
cDebugger.EnableDebugger();
x = 0;
if(x == 0) {
y = 1;
};
cData.Restore(KVX_Label_Colors);
c = cData.Read();
cDebugger.Debug(c);
cDebugger.Debug(x);
if(x == 5) {
y = 0;
} else {
y = 2;
};
cConsole.PrintN(c);
cConsole.PrintN("!");

 }); }); });