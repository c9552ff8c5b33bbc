$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var text = "" , word = "" , c = 0 , ok = 0;
cDebugger.EnableDebugger();
// ; count the words of a text;
var count = new cMap() ;
text = "to be or not to be ";
word = "";
var i = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;i<=cString.Len(text); i++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
c = cString.Asc(cString.Mid(text , i , 1));
if(c >= 97 && c <= 122) {
word += cString.Chr(c);
} else if(word != "") {
count.setData2(word , count.getData2(word) + 1);
if(count.getData2(word) == 1) {
cDebugger.Debug("new: " + word);
};
word = "";
};
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};
ok =(count.MapSize() == 4 ? 1 : 0);

 }); }); });