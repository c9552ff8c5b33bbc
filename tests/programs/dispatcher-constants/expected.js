$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
tab = 9;
tabText = cString.Chr(9);
nothing = null;
nothing2 = null;
circle = 2 * Math.PI;
line = "a" + cString.Chr(13) + cString.Chr(10) + "b";
feed = cString.Chr(10);
yes = true;
no = false;
raw = CRLF;

 }); });