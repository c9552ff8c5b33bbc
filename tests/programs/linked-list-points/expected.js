$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = null ;
this.y = null ;
} return Point ;})();
points = new cLinkedList();
points.AddElement(new Point);
points.getData().x = 5;
items = new cLinkedList();
items.AddElement();
items.setData(7);
x = items.getData();
n = items.ListSize();
n = items.listsize();
items.FirstElement();
items.SelectElement(3);
cSort.RandomizeList(items);
items.ClearList();
y = Items();

 }); });