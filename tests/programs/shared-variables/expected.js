$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var total = 0;
cDebugger.EnableDebugger();
total = 0;
var items = new cLinkedList();
function Add(n) {
total += n;
};
Add(5);

 }); }); });