$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var x = 0 , ProcedureDLLCount = 0;
cDebugger.EnableDebugger();
x = 5;
ProcedureDLLCount = 1;
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=' ,
type : 'GET' ,
dataType : 'text' ,
async : false ,
success : function(result) { ReturnValue = result } ,
error : function(a , b , c) { ReturnValue = b + '/' + c }
}) ;
$('#wait').hide() ;
// KVX_Converter_End_Raw;
return ReturnValue;

 }); }); });