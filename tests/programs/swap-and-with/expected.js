$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , y = 0 , i = 0 , b = 0 , q = 0;
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = 0 ;
this.y = 0 ;
} return Point ;})();
var p = new Point();
var a = cArray.dim(a , 'i' , null , 2);
var l = new cLinkedList();
KVX_Swap = x;
x = y;
y = KVX_Swap;
KVX_Swap = a.d[1];
a.d[1]= a.d[i + 1];
a.d[i + 1]= KVX_Swap;
KVX_Swap = p.x;
p.x = p.y;
p.y = KVX_Swap;
KVX_Swap = l.getData();
l.setData(b);
b = KVX_Swap;
p.x = p.y + 1;
p.x += 2;
KVX_Swap = p.x;
p.x = p.y;
p.y = KVX_Swap;
cDebugger.Debug(p.x * q.x);

 }); }); });