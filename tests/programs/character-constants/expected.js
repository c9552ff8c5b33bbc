$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
c = 113;
if(c >= 97 && c <= 122) {
c -= 32;
};
space = 32;
word = 'ab';

 }); });