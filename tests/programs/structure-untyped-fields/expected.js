$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; no type either;
var Pair =(function() {
function Pair() {
this.first = null ;
this.second = null ;
this.third = null ;
} return Pair ;})();
var p = new Pair();
p.first = 1;

 }); });