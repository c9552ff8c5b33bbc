$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0 , b = 0 , x = 0 , flag = 0;
cDebugger.EnableDebugger();
if(!(a > b)) {
cDebugger.Debug(1);
};
while(!(a == 3) && b) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
a += 1;
};
do {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
} while(!(! f(a ,(b >= 1 ? 1 : 0)))) ;
x =(! flag ? 1 : 0);

 }); }); });