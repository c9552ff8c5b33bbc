$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = 0 ;
this.y = 0 ;
} return Point ;})();
var Line =(function() {
function Line() {
this.a = new Point ;
this.b = new Point ;
} return Line ;})();
var Box =(function() {
function Box() {
this.near = new Point ;
this.far = 0 ;
this.odd = new Point ;
} return Box ;})();
var Corner =(function() {
function Corner() {
this.z = 0 ;
} return Corner ;})();
var Empty =(function() {
function Empty() {
} return Empty ;})();
var p = new Point();
p.x = 5;

 }); }); });