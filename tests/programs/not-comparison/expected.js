$(function () {	$(document).ready(function () { 
var a = 0 , b = 0 , x = 0 , flag = 0;
cDebugger.EnableDebugger();
if(!(a > b)) {
cDebugger.Debug(1);
};
while(!(a == 3) && b) {
a += 1;
};
do {
} while(!(! f(a ,(b >= 1 ? 1 : 0)))) ;
x =(! flag ? 1 : 0);

 }); });