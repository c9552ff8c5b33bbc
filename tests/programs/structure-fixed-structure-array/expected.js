$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = 0 ;
this.y = 0 ;
} return Point ;})();
var Quad4 =(function() {
function Quad4() {
this.corner = Array.from({ length : 4 } , function() { return new Point ; });
} return Quad4 ;})();
var q = new Quad4();
q.corner[3].y = 7;
var shapes = new cLinkedList();
shapes.AddElement(new Quad4);
shapes.setData(cStructure.copy(q));
cDebugger.Debug(shapes.getData().corner[3].y);

 }); }); });