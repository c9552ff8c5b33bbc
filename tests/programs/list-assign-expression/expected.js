$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var items = new cLinkedList();
items.AddElement();
items.setData("a");
items.AddElement();
items.setData(cString.Str(2) + "b") // ; two;
items.setData(items.getData() + "!");
items.setData(- 1);

 }); }); });