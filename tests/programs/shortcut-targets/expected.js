$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var t = "" , total = 0 , i = 0 , dx = 0;
cDebugger.EnableDebugger();
// ; shortcut statements on every kind of target;
var Point =(function() {
function Point() {
this.x = 0 ;
this.y = 0 ;
} return Point ;})();
var small = 0;
var p = new Point();
var items = new cLinkedList();
var pts = new cLinkedList();
var counts = new cMap() ;
var a = cArray.dim(a , 'i' , null , 3);
t += "x";
total += 2;
total -= 1;
total = Math.trunc(total / 2);
total = cNum.or(total , 4);
total = cNum.xor(total , 1);
total = cNum.shl(total , 2);
total = cNum.shr(total , 1);
small = small + 1 | 0;
small = small | 8 | 0;
a.d[1]+= 1;
a.d[i]-= a.d[i + 1];
items.setData(items.getData() + 1);
items.setData(cNum.shl(items.getData() , 1));
counts.setData2("k" , counts.getData2("k") + 1);
counts.setData(counts.getData() - 2);
p.x += 1;
p.y = Math.trunc(p.y / 3);
pts.getData().x += dx;

 }); }); });