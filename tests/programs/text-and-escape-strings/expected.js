$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var s = "" , path = "" , n = 0 , t = "";
cDebugger.EnableDebugger();
// ; Größe ≥ 5 €, 日本;
s = "Tab\there";
cDebugger.Debug("say \x22hi\x22\\");
path = "C:\\temp\\" + "D:\\new";
n = 8364 + 233;
t = "日本" // ; ≥;

 }); }); });