$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
// ; menu handling, nested constructs;
var MenuOpen = 0;
var MenuSave = 1;
var MenuQuit = 2;
var counts = cArray.dim(counts , 'i' , null , 3);
function Report(id , label) {
if(typeof label === "undefined" || label === null) label = "item" ;
// ; shows one entry;
var i = 0;
for(var i = 1 ;i<=counts.d[id]; i++) { // ; one line per hit;
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
// ; which entry;
if(menu == MenuOpen) {
counts.d[menu]= counts.d[menu]+ 1;
Report(menu , "open");
} else if(menu == MenuSave) { // ; save twice;
n = 0;
do { // ; retry;
n += 1;
} while(!(n >= 2)) ; // ; enough;
} else {
while(counts.d[menu]> 0) { // ; drain;
counts.d[menu]= counts.d[menu]- 1;
};
};
};
OnMenu(MenuOpen);

 }); }); });