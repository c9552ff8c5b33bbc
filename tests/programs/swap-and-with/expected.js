$(function () {	$(document).ready(function () { 
var x = 0 , y = 0 , i = 0 , b = 0 , q = 0;
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = null ;
this.y = null ;
} return Point ;})();
var p = new Point();
var a = new Array(2);
for(var c = 0 ; c <= 2; c ++) a[c] = new Array();
var l = new cLinkedList();
KVX_Swap = x;
x = y;
y = KVX_Swap;
KVX_Swap = a[1];
a[1]= a[i + 1];
a[i + 1]= KVX_Swap;
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

 }); });