$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
total = 0;
items = new cLinkedList();
function Add(n) {
total += n;
};
Add(5);

 }); });