$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var who = 0 , n = 0 , k = 0 , found = 0;
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = 0 ;
} return Point ;})();
var scores = new cMap() ;
var names = new cMap() ;
var pts = new cMap(Point) ;
pts.getData2("a").x = 3;
scores.setData2(who , 12);
scores.setData2("Ann" , 10);
n = scores.getData2(who);
scores.setData(4);
n = scores.getData();
n = scores.MapSize();
k = scores.MapKey();
found = scores.FindMapElement("Ann");
scores.AddMapElement("Bob");
n = scores.getData2("Ann");

 }); }); });