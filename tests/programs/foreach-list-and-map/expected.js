$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
var items = new cLinkedList();
var scores = new cMap() ;
items.AddElement();
items.setData(1);
scores.setData2("a" , 2);
items.ForEach_Init() ;
while(items.ForEach()) {
cDebugger.Debug(items.getData());
};
ForEachMap_Init(scores) ;
while(ForEachMap(scores)) {
cDebugger.Debug(scores.getData());
};

 }); });