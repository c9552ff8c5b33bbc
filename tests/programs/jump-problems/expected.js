$(function () {	$(document).ready(function () { 
var x = 0;
cDebugger.EnableDebugger();
function KVX_Gosub_Twice() {
};
function P() {
};
if(x) {
};
for(var i = 1 ;i<=3; i++) {
break;
};

 }); });