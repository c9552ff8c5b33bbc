// Fingerprints and Base64 in the browser, against the published test
// vectors of each digest (FIPS 180, FIPS 202, RFC 1321, RFC 2202, RFC 4231,
// RFC 4648).
'use strict';
const { test, before, after } = require('node:test');
const { openRuntimePage } = require('./support/runtime_page');

let runtime;
before(async function () {
  runtime = await openRuntimePage();
  await runtime.evaluate(['var K = cCipher, C = cConstants, M = cMemory']);
});
after(async function () { await runtime.close(); });

const kLong256 = 'abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq';
const kLong512 = 'abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu';

// [text, plugin, bits, digest]
const kVectors = [
  ['', 'MD5', 0, 'd41d8cd98f00b204e9800998ecf8427e'],
  ['abc', 'MD5', 0, '900150983cd24fb0d6963f7d28e17f72'],
  ['', 'SHA1', 0, 'da39a3ee5e6b4b0d3255bfef95601890afd80709'],
  ['abc', 'SHA1', 0, 'a9993e364706816aba3e25717850c26c9cd0d89d'],
  ['', 'SHA2', 224, 'd14a028c2a3a2bc9476102bb288234c415a2b01f828ea62ac5b3e42f'],
  ['abc', 'SHA2', 224, '23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7'],
  ['', 'SHA2', 256, 'e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855'],
  ['abc', 'SHA2', 256, 'ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad'],
  [kLong256, 'SHA2', 256, '248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1'],
  ['abc', 'SHA2', 384, 'cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7'],
  ['', 'SHA2', 512, 'cf83e1357eefb8bdf1542850d66d8007d620e4050b5715dc83f4a921d36ce9ce47d0d13c5d85f2b0ff8318d2877eec2f63b931bd47417a81a538327af927da3e'],
  ['abc', 'SHA2', 512, 'ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f'],
  [kLong512, 'SHA2', 512, '8e959b75dae313da8cf4f72814fc143f8f7779c6eb9f7fa17299aeadb6889018501d289e4900f7e4331b99dec4b5433ac7d329eeb6dd26545e96e55b874be909'],
  ['abc', 'SHA3', 224, 'e642824c3f8cf24ad09234ee7d3c766fc9a3a5168d0c94ad73b46fdf'],
  ['', 'SHA3', 256, 'a7ffc6f8bf1ed76651c14756a061d662f580ff4de43b49fa82d80a4b80f8434a'],
  ['abc', 'SHA3', 256, '3a985da74fe225b2045c172d6bd390bd855f086e3e9d525b46bfe24511431532'],
  ['abc', 'SHA3', 384, 'ec01498288516fc926459f58e2c6ad8df9b473cb0fc08c2596da7cf0e49be4b298d88cea927ac7f539f1edf228376d25'],
  ['', 'SHA3', 512, 'a69f73cca23a9ac5c8b567dc185a756e97c982164fe25859e0d1dcc1475c80a615b2123af1f5f94c11e3e9402c3ac558f500199d95b6d3e301758586281dcd26'],
  ['abc', 'SHA3', 512, 'b751850b1a57168a5693cd924b6b096e08f621827444f70d884f5d0240d2712e10e116e9192af3c91a7ec57647e3934057340b4cf408d5a56592f8274eec53f0'],
  ['123456789', 'CRC32', 0, 'cbf43926'],
  ['The quick brown fox jumps over the lazy dog', 'CRC32', 0, '414fa339'],
  ['', 'CRC32', 0, '00000000']
];

test('A plugin gives nothing until the program registers it', async function () {
  await runtime.check([
    ['K.StringFingerprint("abc", C.PB_Cipher_MD5)', ''],
    ['K.UseMD5Fingerprint(); K.StringFingerprint("abc", C.PB_Cipher_MD5)', '900150983cd24fb0d6963f7d28e17f72']
  ]);
});

test('StringFingerprint gives each digest of the known vectors', async function () {
  await runtime.evaluate(['K.UseSHA1Fingerprint(); K.UseSHA2Fingerprint(); K.UseSHA3Fingerprint(); K.UseCRC32Fingerprint()']);
  await runtime.check(kVectors.map(function (v) {
    return ['K.StringFingerprint(' + JSON.stringify(v[0]) + ', C.PB_Cipher_' + v[1] + (v[2] ? ', ' + v[2] : '') + ')', v[3]];
  }).concat([
    // 256 bits when no size is given; another size is no digest
    ['K.StringFingerprint("abc", C.PB_Cipher_SHA2)', kVectors[7][3]],
    ['K.StringFingerprint("abc", C.PB_Cipher_SHA3, 100)', '']
  ]));
});

test('Texts are hashed as UTF-8, or in the format given', async function () {
  await runtime.check([
    ['K.StringFingerprint("Gr\u00f6\u00dfe", C.PB_Cipher_MD5)', 'd248453369cf82a6a64617f1357089c5'],
    ['K.StringFingerprint("G\u00f6\u00dfe", C.PB_Cipher_MD5, 0, C.PB_Ascii)', '0f98801caf37aa0901304aaaa02cd53f'],
    ['K.StringFingerprint("G\u00f6\u00dfe", C.PB_Cipher_MD5, 0, C.PB_Unicode)', '8991ff83942d12221a066cb2b9ad81a0'],
    ['var b = M.Ascii("abc"); K.Fingerprint(b, 3, C.PB_Cipher_SHA1)', 'a9993e364706816aba3e25717850c26c9cd0d89d']
  ]);
});

test('HMAC with a key, and the digest built from several buffers', async function () {
  const jefe = '"what do ya want for nothing?"';
  await runtime.check([
    ['K.StringFingerprint(' + jefe + ', C.PB_Cipher_MD5 | C.PB_Cipher_HMAC, 0, C.PB_UTF8, "Jefe")',
     '750c783e6ab0b503eaa86e310a5db738'],
    ['K.StringFingerprint(' + jefe + ', C.PB_Cipher_SHA1 | C.PB_Cipher_HMAC, 0, C.PB_UTF8, "Jefe")',
     'effcdf6ae5eb2fa2d27416d5f184df9c259a7c79'],
    ['K.StringFingerprint(' + jefe + ', C.PB_Cipher_SHA2 | C.PB_Cipher_HMAC, 256, C.PB_UTF8, "Jefe")',
     '5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843'],
    ['K.StringFingerprint(' + jefe + ', C.PB_Cipher_SHA3 | C.PB_Cipher_HMAC, 256, C.PB_UTF8, "Jefe")',
     'c7d4072e788877ae3596bbb0da73b887c9171f93095b294ae857fbe2645e1ba5'],
    // "Hi There" under twenty bytes 0x0b
    ['K.StringFingerprint("Hi There", C.PB_Cipher_SHA1 | C.PB_Cipher_HMAC, 0, C.PB_UTF8, "\\x0b".repeat(20))',
     'b617318655057264e28bc0b6fb378c8ef146be00'],
    ['var text = M.Ascii(' + JSON.stringify(kLong512) + '), f = K.StartFingerprint(C.PB_Any, C.PB_Cipher_SHA2, 512);' +
     ' K.AddFingerprintBuffer(f, text, 5); K.AddFingerprintBuffer(f, text + 5, 100);' +
     ' K.AddFingerprintBuffer(f, text + 105, ' + (kLong512.length - 105) + ');' +
     ' [K.IsFingerprint(f), K.FinishFingerprint(f), K.IsFingerprint(f)]', [1, kVectors[12][3], 0]],
    ['K.StartFingerprint(0, C.PB_Cipher_CRC32); K.AddFingerprintBuffer(0, M.Ascii("1234"), 4);' +
     ' K.AddFingerprintBuffer(0, M.Ascii("56789"), 5); K.FinishFingerprint(0)', 'cbf43926']
  ]);
});

test('Base64 both ways, with the URL alphabet and without padding', async function () {
  const vectors = [['', ''], ['f', 'Zg=='], ['fo', 'Zm8='], ['foo', 'Zm9v'], ['foob', 'Zm9vYg=='],
                   ['fooba', 'Zm9vYmE='], ['foobar', 'Zm9vYmFy']];
  const out = 'var out = M.AllocateMemory(64); ';
  await runtime.check(vectors.map(function (v) {
    return ['K.Base64Encoder(M.Ascii(' + JSON.stringify(v[0]) + '), ' + v[0].length + ')', v[1]];
  }).concat([
    ['var raw = M.AllocateMemory(2); M.PokeA(raw, 0xfb); M.PokeA(raw + 1, 0xff);' +
     ' [K.Base64Encoder(raw, 2), K.Base64Encoder(raw, 2, C.PB_Cipher_URL),' +
     ' K.Base64Encoder(raw, 2, C.PB_Cipher_URL | C.PB_Cipher_NoPadding)]', ['+/8=', '-_8=', '-_8']],
    [out + '[K.Base64Decoder("Zm9vYmFy", out, 64), M.PeekS(out, 6, C.PB_Ascii)]', [6, 'foobar']],
    // padding and line breaks are passed over; the output size limits
    [out + '[K.Base64Decoder("Zm9v\\r\\nYg", out, 64), K.Base64Decoder("Zm9vYmFy", out, 2)]', [4, 2]],
    [out + '[K.Base64Decoder("-_8", out, 64), M.PeekA(out), M.PeekA(out + 1)]', [2, 0xfb, 0xff]],
    [out + 'var enc = M.AllocateMemory(16); [K.Base64EncoderBuffer(M.Ascii("foob"), 4, enc, 16),' +
     ' M.PeekS(enc, -1, C.PB_Ascii), K.Base64EncoderBuffer(M.Ascii("foob"), 4, enc, 7),' +
     ' K.Base64DecoderBuffer(enc, 8, out, 64), M.PeekS(out, 4, C.PB_Ascii)]', [8, 'Zm9vYg==', 0, 4, 'foob']]
  ]));
});
