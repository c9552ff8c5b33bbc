$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var flags = 0 , x = 0 , ok = 0;
cDebugger.EnableDebugger();
flags = 6;
if(flags & 4) {
x = flags & cString.Val("%1010");
};
ok =(flags > 0 && flags < 9 ? 1 : 0);

 }); }); });