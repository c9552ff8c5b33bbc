$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
// ; no type either;
var Pair =(function() {
function Pair() {
this.first = 0 ;
this.second = 0 ;
this.third = "" ;
} return Pair ;})();
var p = new Pair();
p.first = 1;

 }); }); });