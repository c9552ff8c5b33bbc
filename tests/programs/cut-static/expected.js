$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
function Count() {
arguments.callee.calls;
arguments.callee.calls += 1;

 }); });