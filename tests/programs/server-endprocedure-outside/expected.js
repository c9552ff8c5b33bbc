$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var y = 0;
cDebugger.EnableDebugger();
function Local(v) {
return v * 2;
};
function Remote() {
var ReturnValue = "";
// KVX_Converter_Begin_Raw
$('#wait').show() ;
$.ajax({
url : '/cgi-bin/shop.exe?request=Remote' ,
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
y = Local(2);

 }); }); });