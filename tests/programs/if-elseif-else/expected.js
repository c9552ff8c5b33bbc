$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var grade = "";
cDebugger.EnableDebugger();
// ; grading;
var score = 72;
if(score >= 90) { // ; top;
grade = "A";
} else if(score >= 70) {
grade = "B";
} else if(score == 0 || score < 0) {
grade = "none";
} else {
grade = "C";
};
if(score != 50 && !(score > 100)) {
cDebugger.Debug("ok");
};

 }); }); });