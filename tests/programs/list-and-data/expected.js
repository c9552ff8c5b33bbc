$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var line = "" , mask = 0 , other = 0 , x = 0;
var KVX_Label_Masks = 0;
cCommon.KVX_Global_Label = KVX_Label_Masks;
cCommon.KVX_DataArray =[10 , 6];
cDebugger.EnableDebugger();
// ; a list of numbers as text;
var parts = new cLinkedList();
var i = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;i<=3; i++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
parts.AddElement();
parts.setData(cString.Str(i) + ",");
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
line = "";
parts.ForEach_Init() ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
while(parts.ForEach()) {
line = line + parts.getData();
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
cData.Restore(KVX_Label_Masks);
mask = cData.Read();
other = cData.Read();
x = mask & cString.Val("%1010");
if(cNum.and(x , other)) {
cDebugger.Debug(line);
};

 }); }); });