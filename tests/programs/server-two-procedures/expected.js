$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0;
cDebugger.EnableDebugger();
function First(a) {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=First' ,
type : 'GET' ,
data : { 'a' : a } ,
dataType : 'text' ,
async : false ,
success : function(result) { ReturnValue = result } ,
error : function(a , b , c) { ReturnValue = b + '/' + c }
}) ;
$('#wait').hide() ;
// KVX_Converter_End_Raw;
return ReturnValue;
};
x = 1;
function Later(b) {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=Later' ,
type : 'GET' ,
data : { 'b' : b } ,
dataType : 'text' ,
async : false ,
success : function(result) { ReturnValue = result } ,
error : function(a , b , c) { ReturnValue = b + '/' + c }
}) ;
$('#wait').hide() ;
// KVX_Converter_End_Raw;
return ReturnValue;
};

 }); }); });