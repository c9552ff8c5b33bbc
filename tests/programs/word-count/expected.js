$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var text = "" , word = "" , c = 0 , ok = 0;
cDebugger.EnableDebugger();
// ; count the words of a text;
var count = new cMap() ;
text = "to be or not to be ";
word = "";
for(var i = 1 ;i<=cString.Len(text); i++) {
if(cCommon.KVX_Due()) await cCommon.KVX_Pause();
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
ok =(count.MapSize() == 4 ? 1 : 0);

 }); }); });