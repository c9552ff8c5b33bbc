$(function () {	$(document).ready(function () { 
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

 }); });