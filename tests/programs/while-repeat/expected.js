$(function () {	$(document).ready(function () { 
var s = "" , x = 0;
cDebugger.EnableDebugger();
// ; loops;
s = "abc";
while(s != "") {
s = cString.Mid(s , 2);
};
x = 0;
do {
x += 1;
} while(!(x >= 5)) ;
do { // ; outer;
while(x > 0 && x != 3) { // ; count down;
x -= 1;
};
} while(!(x == 3 || x < 0)) ;
do {
break;
} while(true) ;

 }); });