$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var keep = 0;
cDebugger.EnableDebugger();
var q = new cLinkedList();
q.AddElement();
q.setData(10);
q.AddElement();
q.setData(20);
keep = q.elementHandle();
q.FirstElement();
cLinkedList.ChangeCurrentElement(q , keep);
cDebugger.Debug(q.getData());

 }); }); });