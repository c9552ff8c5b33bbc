$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0 , title = "";
cDebugger.EnableDebugger();
KVX_Gosub_Setup();
cDebugger.Debug(total + cString.Len(title));
cMisc.End();
function KVX_Gosub_Setup() {
total = 10 , title = "menu";
var scores = cArray.dim(scores , 'i' , null , 3);
};

 }); }); });