$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_Tally_rounds = 0;
cDebugger.EnableDebugger();
// ; scores per player;
function Tally(player , bonus) {
if(typeof bonus === "undefined" || bonus === null) bonus = 5 ;
var board = cArray.dim(board , 'i' , null , 4 , 2);
KVX_Tally_rounds += 1;
for(var r = 0 ;r<=4; r=r+1) {
var KVX_Select1 = board.d[r * board.s0 + 0]// ; state of the row;
if(KVX_Select1 == 0) {
board.d[r * board.s0 + 1]= bonus;
} else if(KVX_Select1 == 1 || KVX_Select1 == 2) {
while(board.d[r * board.s0 + 1]< 10) {
board.d[r * board.s0 + 1]= board.d[r * board.s0 + 1]+ player;
};
} else {
if(KVX_Tally_rounds > 3 && board.d[r * board.s0 + 1]!= 0) {
break;
};
};
};
return KVX_Tally_rounds;
};
cDebugger.Debug(Tally(2));

 }); }); });