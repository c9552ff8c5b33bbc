$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; menu handling, nested constructs;
var MenuOpen = 0;
var MenuSave = 1;
var MenuQuit = 2;
var counts = new Array(3);
for(var c = 0 ; c <= 3; c ++) counts[c] = new Array();
function Report(id , label) {
if(typeof label === "undefined" || label === null) label = "item" ;
// ; shows one entry;
var i = 0;
for(var i = 1 ;i<=counts[id]; i++) { // ; one line per hit;
if(i == 1) { // ; the first one;
cDebugger.Debug(label);
} else if(i <= 3) {
cDebugger.Debug("again");
} else {
break;
};
};
};
function OnMenu(menu) {
var n = 0;
switch(menu) { // ; which entry;
case MenuOpen :
counts[menu]= counts[menu]+ 1;
Report(menu , "open");
break ;
case MenuSave : // ; save twice;
n = 0;
do { // ; retry;
n += 1;
} while(!(n >= 2)) ; // ; enough;
break ;
default :
while(counts[menu]> 0) { // ; drain;
counts[menu]= counts[menu]- 1;
};
};
};
OnMenu(MenuOpen);

 }); });