$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
items = new cLinkedList();
scores = new cMap() ;
items.AddElement();
items.setData(0);
while(items.getData() == 0) {
items.setData(1);
};
if(scores.getData2("k") == 1) {
n = 1;
};
if(scores.getData() != 2 || scores.getData2(k + 1) == 3) {
};
ok =(items.getData() == 1);

 }); });