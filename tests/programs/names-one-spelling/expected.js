$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var COUNT = 0 , name$= "" , name = 0;
cDebugger.EnableDebugger();
// ; a name is one name whatever its letter case; the first spelling is kept;
Limit = 10;
var Item =(function() {
function Item() {
this.Price = 0 ;
} return Item ;})();
function AddTax(Value) {
return Value * 2;
};
var box = new Item();
box.Price = AddTax(Limit);
COUNT = 1;
COUNT += box.Price;
name$= "a";
name = 2;
name$+= cString.LSet(cString.Str(name) , 3);
if(COUNT > 1) {
COUNT = 0;
};
var k = 1 ;
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
for(;k<=Limit; k++) {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
COUNT += k;
};
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });