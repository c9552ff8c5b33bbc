$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var greeting = "";
cDebugger.EnableDebugger();
function Hello(name , age) {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=Hello' ,
type : 'GET' ,
data : { 'name' : name , 'age' : age } ,
dataType : 'text' ,
async : false ,
success : function(result) { ReturnValue = result } ,
error : function(a , b , c) { ReturnValue = b + '/' + c }
}) ;
$('#wait').hide() ;
// KVX_Converter_End_Raw;
return ReturnValue;
};
greeting = Hello("Ann" , 42);

 }); }); });