$(function () {	$(document).ready(function () { 
cDebugger.EnableDebugger();
// ; scores per player;
function Tally(player , bonus) {
if(typeof bonus === "undefined" || bonus === null) bonus = 5 ;
arguments.callee.rounds;
var board = new Array(4);
for(var c = 0 ; c <= 4; c ++) board[c] = new Array(2);
arguments.callee.rounds += 1;
for(var r = 0 ;r<=4; r=r+1) {
switch(board[r][0]) { // ; state of the row;
case 0 :
board[r][1]= bonus;
break ;
case 1 , 2 :
while(board[r][1]< 10) {
board[r][1]= board[r][1]+ player;
};
break ;
default :
if(arguments.callee.rounds > 3 && board[r][1]!= 0) {
break;
};
};
};
return arguments.callee.rounds;
};
cDebugger.Debug(Tally(2));

 }); });