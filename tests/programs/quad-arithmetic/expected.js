$(function () {	$(document).ready(function () { cCommon.KVX_Main(async function () { 
var i = 0 , d = 0;
cDebugger.EnableDebugger();
// ; quads are exact 64-bit integers;
var q = 0n , r = 0n;
q = 9223372036854775807n;
q = BigInt.asIntN(64 , q + 1n);
r = BigInt.asIntN(64 , q /(3n % 7n));
r = BigInt.asIntN(64 , q << 2n);
r = BigInt.asIntN(64 , q & 255n);
r = BigInt.asIntN(64 , ~ q);
i = 5;
r = BigInt.asIntN(64 , q * BigInt(i) + 1n);
d = Number(q) / 2;
if(q > i) {
i = Number(q);
};
cDebugger.Debug(q);

 }); }); });