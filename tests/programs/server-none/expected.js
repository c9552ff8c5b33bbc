$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
a = 1;
b = 2;
function Twice(v) {
return v + v;
};
c = Twice(a);

 }); });