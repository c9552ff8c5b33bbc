$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , n = 0 , y = 0;
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = 0 ;
this.y = 0 ;
} return Point ;})();
var points = new cLinkedList();
points.AddElement(new Point);
points.getData().x = 5;
var items = new cLinkedList();
items.AddElement();
items.setData(7);
x = items.getData();
n = items.ListSize();
n = items.ListSize();
items.FirstElement();
items.SelectElement(3);
cSort.RandomizeList(items);
items.ClearList();
y = items.getData();

 }); }); });