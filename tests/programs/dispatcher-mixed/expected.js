$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; Mixed rewrites;
var count = 0 , limit = cString.Val("$1F");
var letter = 65 , path = "C:\\temp\\";
var cursor;
function Area(w , h) {
return w * h;
};
function Notify(target , text) {
cDebugger.Debug(text + cString.Chr(target));
};
count += 1;
count -= 2;
total = count - 2;
cDebugger.Debug(count + 1);
items = Area(2 , 3);
both = count > 0 && limit > 0;
either = count > 0 || limit > 0;
ok =(count > 0) & ! false;
flags = 1 | 2;
handler = Notify;
pointer = count;
width = frame.w // ; the frame's width;
// KVX_Converter_Begin_Raw
console.log('raw') ;
// KVX_Converter_End_Raw;

 }); });