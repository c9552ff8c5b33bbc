$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_in = 0;
var KVX_Label_Bytes = 0;
cCommon.KVX_Global_Label = KVX_Label_Bytes;
cCommon.KVX_DataArray =[3 , 5 , 6];
cDebugger.EnableDebugger();
// ; checksum of a few bytes;
cCompilerDirectives.EnableExplicit;
var total = 0 , last = 0;
function AddByte(b) {
total = cNum.xor(total , b);
last = cNum.xor(b ,(cNum.shr(b , 1)));
};
if(cConsole.OpenConsole() == 0) {
cMisc.End();
};
cData.Restore(KVX_Label_Bytes);
var n = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;n<=3; n++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
KVX_in = cData.Read();
AddByte(KVX_in);
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
total += 1;
} while(!(total >= 10)) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
cConsole.PrintN(cString.Str(total));
cMisc.End();

 }); }); });