$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0 , items = 0 , both = 0 , either = 0 , ok = 0 , flags = 0 , handler = 0 , pointer = 0 , width = 0 , frame = 0;
cDebugger.EnableDebugger();
// ; Mixed rewrites;
var count = 0 , limit = cString.Val("$1F");
var letter = 65 , path = "C:\\temp\\";
var cursor = 0;
function Area(w , h) {
return w * h | 0;
};
function Notify(target , text) {
cDebugger.Debug(text + cString.Chr(target));
};
count += 1;
count -= 2;
total = count - 2;
cDebugger.Debug(count + 1);
items = Area(2 , 3);
both =(count > 0 && limit > 0 ? 1 : 0);
either =(count > 0 || limit > 0 ? 1 : 0);
ok =(count > 0 ? 1 : 0) &(! 0 ? 1 : 0);
flags = 1 | 2;
handler = Notify;
pointer = count;
width = frame.w // ; the frame's width;
// KVX_Converter_Begin_Raw
console.log('raw') ;
// KVX_Converter_End_Raw;

 }); }); });