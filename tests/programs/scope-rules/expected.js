$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var c = 0 , KVX_Keep_calls = 3 , KVX_Keep_last = "" , seen = 0;
cDebugger.EnableDebugger();
// ; scopes: main code, procedures, Global, Shared, Protected, Static;
var total = 1 , name = "";
c = 5;
function Count(n) {
var c = 0;
c = n;
total += c;
};
function Keep() {
var inner = 0;
var total = 2;
KVX_Keep_calls += 1;
seen = c + total;
if(seen > 3) {
inner = 1.5;
};
};
var a = 0 , b = "" , d = 1.5;
var x = "" , y = "";
Count(2);

 }); }); });