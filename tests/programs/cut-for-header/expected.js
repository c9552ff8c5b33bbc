$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
total = 0;
for(var = ;<=; ++) {
for(var i = 1 ;i<=; i++) {

 }); });