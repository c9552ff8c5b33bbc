$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
var Point =(function() {
function Point() {
this.x = null ;
} return Point ;})();
scores = new cMap() ;
names = new cMap() ;
pts = new cMap(Point) ;
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
n = Scores("Ann");

 }); });