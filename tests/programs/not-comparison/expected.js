$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
if(!(a > b)) {
cDebugger.Debug(1);
};
while(!(a == 3) && b) {
a += 1;
};
do {
} while(!(! f(a , b >= 1))) ;
x = ! flag;

 }); });