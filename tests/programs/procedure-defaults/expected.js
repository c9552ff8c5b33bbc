$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var a = 0;
cDebugger.EnableDebugger();
// ; areas;
function Area(w , h) {
if(typeof h === "undefined" || h === null) h = 10 ;
// ; rectangle;
return w * h | 0;
};
function Greet(name , times) {
if(typeof name === "undefined" || name === null) name = "you" ;
if(typeof times === "undefined" || times === null) times = 2 ;
for(var i = 1 ;i<=times; i++) {
cDebugger.Debug("hi " + name);
};
};
function Run() {
Greet();
};
a = Area(3);

 }); }); });