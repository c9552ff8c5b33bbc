$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var reply = "" , done = 0;
cDebugger.EnableDebugger();
function Shout(text) {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=Shout' ,
type : 'GET' ,
data : { 'text' : text } ,
dataType : 'text' ,
async : false ,
success : function(result) { ReturnValue = result } ,
error : function(a , b , c) { ReturnValue = b + '/' + c }
}) ;
$('#wait').hide() ;
// KVX_Converter_End_Raw;
return ReturnValue;
};
reply = Shout("hi");
done = 1;

 }); }); });