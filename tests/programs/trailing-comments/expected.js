$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var a = cArray.dim(a , 'i' , null , 2) // ; storage;
if(a.d[0]== 1) { // ; first;
} else if(a.d[1]!= 2) { // ; second;
} else { // ; otherwise;
} // ; done;
while(a.d[0]< 3) { // ; grow;
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
a.d[0]= a.d[0]+ 1;
} // ; grown;
do { // ; forever;
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
} while(true) ; // ; until break;
var KVX_Select1 = a.d[2]// ; pick;
if(KVX_Select1 == 1) { // ; one;
} else { // ; other;
} // ; picked;
function P() {
// ; nothing;
} // ; end;

 }); }); });