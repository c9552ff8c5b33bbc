$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var n = 0;
cDebugger.EnableDebugger();
var Stock =(function() {
function Stock() {
this.name = "" ;
this.moves = new cLinkedList() ;
} return Stock ;})();
var m = new cMap(Stock) ;
m.getData2("a").name = "x";
m.getData().moves.AddElement();
m.getData().moves.setData(5);
n = m.getData().moves.ListSize();

 }); }); });