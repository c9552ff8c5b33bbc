$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var tab = 0 , tabText = "" , nothing = 0 , nothing2 = 0 , circle = 0 , line = "" , feed = "" , yes = 0 , no = 0 , raw = 0;
cDebugger.EnableDebugger();
tab = 9;
tabText = cString.Chr(9);
nothing = null;
nothing2 = null;
circle = cNum.round(2 * Math.PI);
line = "a" + cString.Chr(13) + cString.Chr(10) + "b";
feed = cString.Chr(10);
yes = 1;
no = 0;
raw = CRLF;

 }); }); });