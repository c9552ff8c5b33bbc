$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
var Order =(function() {
function Order() {
this.name = "" ;
this.tags = new cMap() ;
} return Order ;})();
var orders = new cLinkedList();
orders.AddElement(new Order);
orders.getData().tags.setData2("urgent" , 1);
cDebugger.Debug(orders.getData().tags.MapSize());
cDebugger.Debug(orders.getData().tags.MapKey());

 }); }); });