$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var answer = 0;
cDebugger.EnableDebugger();
function Ping() {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : 'http://127.0.0.1/cgi-bin/app.cgi?request=Ping' ,
type : 'GET' ,
dataType : 'text' ,
async : false ,
success : function(result) { ReturnValue = result } ,
error : function(a , b , c) { ReturnValue = b + '/' + c }
}) ;
$('#wait').hide() ;
// KVX_Converter_End_Raw;
return ReturnValue;
};
answer = Ping();

 }); }); });