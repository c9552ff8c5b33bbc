$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var a = cArray.dim(a , 'i' , null , 2) // ; storage;
if(a.d[0]== 1) { // ; first;
} else if(a.d[1]!= 2) { // ; second;
} else { // ; otherwise;
} // ; done;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(a.d[0]< 3) { // ; grow;
a.d[0]= a.d[0]+ 1;
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
} // ; grown;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do { // ; forever;
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
} while(true) ; // ; until break;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
var KVX_Select1 = a.d[2]// ; pick;
if(KVX_Select1 == 1) { // ; one;
} else { // ; other;
} // ; picked;
function P() {
// ; nothing;
} // ; end;

 }); }); });