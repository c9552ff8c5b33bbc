$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
var a = new Array(2);
for(var c = 0 ; c <= 2; c ++) a[c] = new Array();
// ; storage;
if(a[0]== 1) { // ; first;
} else if(a[1]!= 2) { // ; second;
} else { // ; otherwise;
} // ; done;
while(a[0]< 3) { // ; grow;
a[0]= a[0]+ 1;
} // ; grown;
do { // ; forever;
} while(true) ; // ; until break;
switch(a[2]) { // ; pick;
case 1 : // ; one;
break ;
default : // ; other;
} // ; picked;
function P() {
// ; nothing;
} // ; end;

 }); });