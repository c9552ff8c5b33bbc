$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var Bag =(function() {
function Bag() {
this.count = 0 ;
this.items = new cLinkedList() ;
this.weights = new cMap() ;
this.slots = cArray.dim(null , 'w' , null , 3) ;
} return Bag ;})();
var b = new Bag();
b.items.AddElement();
b.items.setData("pen");
b.weights.setData2("pen" , 0.5);
b.slots.d[1]= 2;
cDebugger.Debug(b.items.ListSize());

 }); }); });