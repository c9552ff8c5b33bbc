$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var line = "" , mask = 0 , other = 0 , x = 0;
var KVX_Label_Masks = 0;
cCommon.KVX_Global_Label = KVX_Label_Masks;
cCommon.KVX_DataArray =[10 , 6];
cDebugger.EnableDebugger();
// ; a list of numbers as text;
var parts = new cLinkedList();
for(var i = 1 ;i<=3; i++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
parts.AddElement();
parts.setData(cString.Str(i) + ",");
};
line = "";
parts.ForEach_Init() ;
while(parts.ForEach()) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
line = line + parts.getData();
};
cData.Restore(KVX_Label_Masks);
mask = cData.Read();
other = cData.Read();
x = mask & cString.Val("%1010");
if(cNum.and(x , other)) {
cDebugger.Debug(line);
};

 }); }); });