$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
function Sum(a , b , c) {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=Sum' ,
type : 'GET' ,
data : { 'a' : a , 'b' : b , 'c' : c } ,
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