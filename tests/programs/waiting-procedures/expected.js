$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
cDebugger.EnableDebugger();
// ; a greeting that waits for a line, then for a key;
async function AskName() {
cConsole.Print("Name: ");
return await cConsole.Input();
};
async function Greet() {
var name = "";
name = await AskName();
cConsole.PrintN("Hello " + name);
};
function Sum(n) {
var total = 0;
for(var i = 1 ;i<=n; i++) {
total += i;
};
return total;
};
cConsole.OpenConsole();
await Greet();
cConsole.PrintN(cString.Str(Sum(4)));
for(;;) { var KVX_Resume = false, KVX_Left = cCommon.KVX_Passes();
do {
if((KVX_Left -= 1) < 0) { KVX_Resume = true ; break; };
await cMisc.Delay(20);
} while(!(await cConsole.Inkey() != "")) ;
if(! KVX_Resume) break ;
await cCommon.KVX_Pause() ;
};

 }); }); });