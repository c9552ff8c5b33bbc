$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
flags = 6;
if(flags & 4) {
x = flags & cString.Val("%1010");
};
ok = flags > 0 && flags < 9;

 }); });