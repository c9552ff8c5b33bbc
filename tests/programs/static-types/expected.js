$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var KVX_NextBig_big = 1000n , KVX_NextBig_t = 200 << 24 >> 24 , KVX_NextBig_f = Math.fround(0.1);
cDebugger.EnableDebugger();
// ; the first value of a Static takes the Static's type;
function NextBig() {
KVX_NextBig_big = BigInt.asIntN(64 , KVX_NextBig_big + 1n);
return KVX_NextBig_big;
};

 }); }); });