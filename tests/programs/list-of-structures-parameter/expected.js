$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = 0 ;
} return Point ;})();
function Move(pts , dx) {
pts.ForEach_Init() ;
while(pts.ForEach()) {
pts.getData().x = pts.getData().x + dx | 0;
};
};
var p = new cLinkedList();
p.AddElement(new Point);
Move(p , 2);

 }); }); });