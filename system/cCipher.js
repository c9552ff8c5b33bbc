// cCipher: PureBasic's fingerprints (MD5, SHA-1, SHA-2, SHA-3, CRC32, each
// also as HMAC) and Base64, written out here because the browser's own
// digests are asynchronous and know neither MD5 nor SHA-3.
// Emitted calls: cCipher.UseMD5Fingerprint() (and the other Use...
// commands), cCipher.StringFingerprint(text, #PB_Cipher_SHA2[, 512[,
// format[, key[, keyFormat]]]]), cCipher.Fingerprint(*m, size, plugin, ...),
// cCipher.FileFingerprint(name, plugin, ...), cCipher.StartFingerprint(#F,
// plugin, ...), cCipher.AddFingerprintBuffer(#F, *m, size),
// cCipher.FinishFingerprint(#F), cCipher.Base64Encoder(*m, size[, flags]),
// cCipher.Base64Decoder(text, *out, size), and the Buffer forms.
// A digest is lowercase hexadecimal (CRC32 as eight digits); a plugin that
// the program did not register with its Use command gives "", as in
// PureBasic. Texts are hashed as their UTF-8 bytes unless a format is given.
var cCipher = (function () {
  var kCRC32 = 1, kMD5 = 2, kSHA1 = 4, kSHA2 = 8, kSHA3 = 16, kHMAC = 0x10000;  // #PB_Cipher_...
  var kNoPadding = 1, kURL = 2;                                                // #PB_Cipher_NoPadding, _URL
  var kUTF8 = 26;

  var registered = {};

  // ---- Block hashes: MD5, SHA-1, SHA-2 ----

  // A hash over blocks of blockSize bytes, padded with 0x80, zeros and the
  // length in bits (little-endian for MD5).
  function blockHash(blockSize, state, compress, littleEndian, digestBytes) {
    var block = new Uint8Array(blockSize), filled = 0, total = 0;
    return {
      blockSize: blockSize,
      update: function (data) {
        var i = 0;
        total += data.length;
        if (filled) {
          var take = Math.min(blockSize - filled, data.length);
          block.set(data.subarray(0, take), filled);
          filled += take;
          i = take;
          if (filled < blockSize) return;
          compress(state, block, 0);
          filled = 0;
        }
        for (; i + blockSize <= data.length; i += blockSize) compress(state, data, i);
        block.set(data.subarray(i), 0);
        filled = data.length - i;
      },
      finish: function () {
        var lengthBytes = blockSize === 128 ? 16 : 8;
        var padded = filled + 1 + lengthBytes <= blockSize ? blockSize : 2 * blockSize;
        var tail = new Uint8Array(padded);
        tail.set(block.subarray(0, filled));
        tail[filled] = 0x80;
        var bits = total * 8;
        for (var k = 0; k < 8; k++) {
          var b = Math.floor(bits / Math.pow(2, 8 * k)) & 255;
          if (littleEndian) tail[padded - lengthBytes + k] = b; else tail[padded - 1 - k] = b;
        }
        for (var at = 0; at < padded; at += blockSize) compress(state, tail, at);
        var out = new Uint8Array(digestBytes);
        for (var j = 0; j < digestBytes; j++) {
          var word = state[j >> 2];
          out[j] = littleEndian ? (word >>> (8 * (j & 3))) & 255 : (word >>> (24 - 8 * (j & 3))) & 255;
        }
        return out;
      }
    };
  }

  function bigEndian32(data, at) {
    return (data[at] << 24) | (data[at + 1] << 16) | (data[at + 2] << 8) | data[at + 3];
  }

  function rotl(x, n) { return (x << n) | (x >>> (32 - n)); }

  var md5K = [], md5S = [7, 12, 17, 22, 5, 9, 14, 20, 4, 11, 16, 23, 6, 10, 15, 21];
  for (var i = 0; i < 64; i++) md5K.push(Math.floor(Math.abs(Math.sin(i + 1)) * 4294967296) | 0);

  var md5W = new Int32Array(16);
  function md5Compress(h, data, at) {
    for (var t = 0; t < 16; t++) {
      var o = at + 4 * t;
      md5W[t] = data[o] | (data[o + 1] << 8) | (data[o + 2] << 16) | (data[o + 3] << 24);
    }
    var a = h[0], b = h[1], c = h[2], d = h[3];
    for (var i = 0; i < 64; i++) {
      var f, g;
      if (i < 16) { f = (b & c) | (~b & d); g = i; }
      else if (i < 32) { f = (d & b) | (~d & c); g = (5 * i + 1) & 15; }
      else if (i < 48) { f = b ^ c ^ d; g = (3 * i + 5) & 15; }
      else { f = c ^ (b | ~d); g = (7 * i) & 15; }
      f = (f + a + md5K[i] + md5W[g]) | 0;
      a = d;
      d = c;
      c = b;
      b = (b + rotl(f, md5S[(i >> 4) * 4 + (i & 3)])) | 0;
    }
    h[0] = (h[0] + a) | 0;
    h[1] = (h[1] + b) | 0;
    h[2] = (h[2] + c) | 0;
    h[3] = (h[3] + d) | 0;
  }

  var sha1W = new Int32Array(80);
  function sha1Compress(h, data, at) {
    var w = sha1W;
    for (var t = 0; t < 80; t++)
      w[t] = t < 16 ? bigEndian32(data, at + 4 * t) : rotl(w[t - 3] ^ w[t - 8] ^ w[t - 14] ^ w[t - 16], 1);
    var a = h[0], b = h[1], c = h[2], d = h[3], e = h[4];
    for (var i = 0; i < 80; i++) {
      var f, k;
      if (i < 20) { f = (b & c) | (~b & d); k = 0x5a827999; }
      else if (i < 40) { f = b ^ c ^ d; k = 0x6ed9eba1; }
      else if (i < 60) { f = (b & c) | (b & d) | (c & d); k = 0x8f1bbcdc | 0; }
      else { f = b ^ c ^ d; k = 0xca62c1d6 | 0; }
      var temp = (rotl(a, 5) + f + e + k + w[i]) | 0;
      e = d;
      d = c;
      c = rotl(b, 30);
      b = a;
      a = temp;
    }
    h[0] = (h[0] + a) | 0;
    h[1] = (h[1] + b) | 0;
    h[2] = (h[2] + c) | 0;
    h[3] = (h[3] + d) | 0;
    h[4] = (h[4] + e) | 0;
  }

  // The SHA-2 constants are the fractional parts of square and cube roots
  // of the first primes, worked out exactly in BigInt: 64 bits for SHA-512,
  // whose high halves are SHA-256's.
  function primes(count) {
    var list = [];
    for (var n = 2; list.length < count; n++) {
      var prime = true;
      for (var k = 0; k < list.length && list[k] * list[k] <= n; k++) if (n % list[k] === 0) prime = false;
      if (prime) list.push(n);
    }
    return list;
  }

  function integerRoot(value, degree) {
    var d = BigInt(degree), x = 1n << BigInt(Math.ceil(value.toString(2).length / degree) + 1);
    for (;;) {
      var y = ((d - 1n) * x + value / (x ** (d - 1n))) / d;
      if (y >= x) return x;
      x = y;
    }
  }

  // [high, low] 32-bit halves of the 64 fraction bits of p^(1/degree).
  function rootFraction(p, degree) {
    var root = integerRoot(BigInt(p) << BigInt(64 * degree), degree) & ((1n << 64n) - 1n);
    return [Number(root >> 32n) | 0, Number(root & 0xffffffffn) | 0];
  }

  var kPrimes = primes(80);
  var sha512K = new Int32Array(160), sha256K = new Int32Array(64);
  kPrimes.forEach(function (p, i) {
    var f = rootFraction(p, 3);
    sha512K[2 * i] = f[0];
    sha512K[2 * i + 1] = f[1];
    if (i < 64) sha256K[i] = f[0];
  });

  function initial(from, to) {
    var values = [];
    for (var i = from; i < to; i++) values.push(rootFraction(kPrimes[i], 2));
    return values;
  }

  var kFirst8 = initial(0, 8), kNext8 = initial(8, 16);

  function rotr(x, n) { return (x >>> n) | (x << (32 - n)); }

  var sha256W = new Int32Array(64);
  function sha256Compress(h, data, at) {
    var w = sha256W;
    for (var t = 0; t < 64; t++) {
      if (t < 16) {
        w[t] = bigEndian32(data, at + 4 * t);
      } else {
        var x = w[t - 15], y = w[t - 2];
        var s0 = rotr(x, 7) ^ rotr(x, 18) ^ (x >>> 3), s1 = rotr(y, 17) ^ rotr(y, 19) ^ (y >>> 10);
        w[t] = (w[t - 16] + s0 + w[t - 7] + s1) | 0;
      }
    }
    var a = h[0], b = h[1], c = h[2], d = h[3], e = h[4], f = h[5], g = h[6], hh = h[7];
    for (var i = 0; i < 64; i++) {
      var t1 = (hh + (rotr(e, 6) ^ rotr(e, 11) ^ rotr(e, 25)) + ((e & f) ^ (~e & g)) + sha256K[i] + w[i]) | 0;
      var t2 = ((rotr(a, 2) ^ rotr(a, 13) ^ rotr(a, 22)) + ((a & b) ^ (a & c) ^ (b & c))) | 0;
      hh = g;
      g = f;
      f = e;
      e = (d + t1) | 0;
      d = c;
      c = b;
      b = a;
      a = (t1 + t2) | 0;
    }
    var v = [a, b, c, d, e, f, g, hh];
    for (var k = 0; k < 8; k++) h[k] = (h[k] + v[k]) | 0;
  }

  // SHA-512 works on 64-bit words kept as pairs of 32-bit halves: word k is
  // [2k] (high) and [2k + 1] (low).
  var sha512W = new Int32Array(160);

  // The 64-bit right rotation (or shift, when shift is set) of hi:lo by n,
  // as [high, low] in out.
  function rotr64(hi, lo, n, out, shift) {
    if (n >= 32) {
      var t = hi;
      hi = shift ? 0 : lo;
      lo = t;
      n -= 32;
      if (shift) {
        out[0] = 0;
        out[1] = n ? lo >>> n : lo;
        return;
      }
    }
    if (n === 0) {
      out[0] = hi;
      out[1] = lo;
      return;
    }
    out[0] = shift ? hi >>> n : (hi >>> n) | (lo << (32 - n));
    out[1] = (lo >>> n) | (hi << (32 - n));
  }

  var r1 = [0, 0], r2 = [0, 0], r3 = [0, 0];

  // sigma(hi:lo) = rotr(a) ^ rotr(b) ^ rotr-or-shift(c), into out.
  function sigma(hi, lo, a, b, c, shiftLast, out) {
    rotr64(hi, lo, a, r1, false);
    rotr64(hi, lo, b, r2, false);
    rotr64(hi, lo, c, r3, shiftLast);
    out[0] = r1[0] ^ r2[0] ^ r3[0];
    out[1] = r1[1] ^ r2[1] ^ r3[1];
  }

  var sum = [0, 0];
  // Adds 64-bit words given as high, low pairs: add(h1, l1, h2, l2, ...).
  function add64() {
    var hi = 0, lo = 0;
    for (var i = 0; i < arguments.length; i += 2) {
      hi += arguments[i];
      lo += arguments[i + 1] >>> 0;
    }
    sum[0] = (hi + Math.floor(lo / 4294967296)) | 0;
    sum[1] = lo | 0;
  }

  var s0 = [0, 0], s1 = [0, 0];
  function sha512Compress(h, data, at) {
    var w = sha512W, t;
    for (t = 0; t < 80; t++) {
      if (t < 16) {
        w[2 * t] = bigEndian32(data, at + 8 * t);
        w[2 * t + 1] = bigEndian32(data, at + 8 * t + 4);
        continue;
      }
      sigma(w[2 * t - 30], w[2 * t - 29], 1, 8, 7, true, s0);
      sigma(w[2 * t - 4], w[2 * t - 3], 19, 61, 6, true, s1);
      add64(w[2 * t - 32], w[2 * t - 31], s0[0], s0[1], w[2 * t - 14], w[2 * t - 13], s1[0], s1[1]);
      w[2 * t] = sum[0];
      w[2 * t + 1] = sum[1];
    }
    var v = Array.prototype.slice.call(h);  // a b c d e f g h, each high then low
    for (t = 0; t < 80; t++) {
      var eh = v[8], el = v[9], fh = v[10], fl = v[11], gh = v[12], gl = v[13];
      sigma(eh, el, 14, 18, 41, false, s1);
      add64(v[14], v[15], s1[0], s1[1], (eh & fh) ^ (~eh & gh), (el & fl) ^ (~el & gl),
            sha512K[2 * t], sha512K[2 * t + 1], w[2 * t], w[2 * t + 1]);
      var t1h = sum[0], t1l = sum[1];
      var ah = v[0], al = v[1], bh = v[2], bl = v[3], ch = v[4], cl = v[5];
      sigma(ah, al, 28, 34, 39, false, s0);
      add64(s0[0], s0[1], (ah & bh) ^ (ah & ch) ^ (bh & ch), (al & bl) ^ (al & cl) ^ (bl & cl));
      var t2h = sum[0], t2l = sum[1];
      for (var k = 15; k >= 2; k--) v[k] = v[k - 2];
      add64(v[8], v[9], t1h, t1l);   // e = d + t1 (d has moved to e's place)
      v[8] = sum[0];
      v[9] = sum[1];
      add64(t1h, t1l, t2h, t2l);
      v[0] = sum[0];
      v[1] = sum[1];
    }
    for (var j = 0; j < 16; j += 2) {
      add64(h[j], h[j + 1], v[j], v[j + 1]);
      h[j] = sum[0];
      h[j + 1] = sum[1];
    }
  }

  function pairs(values, takeLow) {
    var out = [];
    values.forEach(function (p) { if (takeLow) out.push(p[1]); else out.push(p[0], p[1]); });
    return Int32Array.from(out);
  }

  // ---- SHA-3: Keccak-f[1600], lanes as low, high 32-bit halves ----

  var keccakRC = [], keccakRho = [], keccakPi = [];
  (function () {
    var lfsr = 1;
    for (var round = 0; round < 24; round++) {
      var lo = 0, hi = 0;
      for (var j = 0; j < 7; j++) {
        var bit = (1 << j) - 1;
        if (lfsr & 1) {
          if (bit < 32) lo ^= 1 << bit; else hi ^= 1 << (bit - 32);
        }
        lfsr = (lfsr & 0x80) ? ((lfsr << 1) ^ 0x71) & 0xff : (lfsr << 1) & 0xff;
      }
      keccakRC.push(lo, hi);
    }
    var x = 1, y = 0;
    for (var t = 0; t < 24; t++) {
      keccakRho.push(((t + 1) * (t + 2) / 2) % 64);
      var next = (2 * x + 3 * y) % 5;
      x = y;
      y = next;
      keccakPi.push(x + 5 * y);
    }
  })();

  // The 64-bit left rotation of lane i of state by n, into out [low, high].
  function rotl64(lo, hi, n, out) {
    if (n >= 32) {
      var t = lo;
      lo = hi;
      hi = t;
      n -= 32;
    }
    if (n === 0) {
      out[0] = lo;
      out[1] = hi;
      return;
    }
    out[0] = (lo << n) | (hi >>> (32 - n));
    out[1] = (hi << n) | (lo >>> (32 - n));
  }

  var keccakC = new Int32Array(10), keccakB = new Int32Array(50), rot = [0, 0];
  function keccak(s) {
    for (var round = 0; round < 24; round++) {
      var x, y;
      for (x = 0; x < 5; x++) {
        keccakC[2 * x] = s[2 * x] ^ s[2 * x + 10] ^ s[2 * x + 20] ^ s[2 * x + 30] ^ s[2 * x + 40];
        keccakC[2 * x + 1] = s[2 * x + 1] ^ s[2 * x + 11] ^ s[2 * x + 21] ^ s[2 * x + 31] ^ s[2 * x + 41];
      }
      for (x = 0; x < 5; x++) {
        var p = (x + 4) % 5, n = (x + 1) % 5;
        rotl64(keccakC[2 * n], keccakC[2 * n + 1], 1, rot);
        var dl = keccakC[2 * p] ^ rot[0], dh = keccakC[2 * p + 1] ^ rot[1];
        for (y = 0; y < 25; y += 5) {
          s[2 * (x + y)] ^= dl;
          s[2 * (x + y) + 1] ^= dh;
        }
      }
      // rho and pi: each lane moves to its place, rotated
      var cl = s[2], ch = s[3];
      for (var t = 0; t < 24; t++) {
        var to = keccakPi[t], tl = s[2 * to], th = s[2 * to + 1];
        rotl64(cl, ch, keccakRho[t], rot);
        s[2 * to] = rot[0];
        s[2 * to + 1] = rot[1];
        cl = tl;
        ch = th;
      }
      for (y = 0; y < 25; y += 5) {
        for (x = 0; x < 10; x++) keccakB[x] = s[2 * y + x];
        for (x = 0; x < 5; x++) {
          var a = 2 * ((x + 1) % 5), b = 2 * ((x + 2) % 5);
          s[2 * (y + x)] = keccakB[2 * x] ^ (~keccakB[a] & keccakB[b]);
          s[2 * (y + x) + 1] = keccakB[2 * x + 1] ^ (~keccakB[a + 1] & keccakB[b + 1]);
        }
      }
      s[0] ^= keccakRC[2 * round];
      s[1] ^= keccakRC[2 * round + 1];
    }
  }

  function sha3(bits) {
    var rate = 200 - bits / 4, state = new Int32Array(50);
    var block = new Uint8Array(rate), filled = 0;
    function absorb(data, at) {
      for (var i = 0; i < rate; i += 4)
        state[i >> 2] ^= data[at + i] | (data[at + i + 1] << 8) | (data[at + i + 2] << 16) | (data[at + i + 3] << 24);
      keccak(state);
    }
    return {
      blockSize: rate,
      update: function (data) {
        for (var i = 0; i < data.length; i++) {
          block[filled++] = data[i];
          if (filled === rate) {
            absorb(block, 0);
            filled = 0;
          }
        }
      },
      finish: function () {
        block.fill(0, filled);
        block[filled] ^= 0x06;
        block[rate - 1] ^= 0x80;
        absorb(block, 0);
        var out = new Uint8Array(bits / 8);
        for (var j = 0; j < out.length; j++) out[j] = (state[j >> 2] >>> (8 * (j & 3))) & 255;
        return out;
      }
    };
  }

  // ---- CRC32 ----

  var crcTable = new Int32Array(256);
  for (var n = 0; n < 256; n++) {
    var c = n;
    for (var k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    crcTable[n] = c;
  }

  function crc32() {
    var crc = -1;
    return {
      blockSize: 64,
      update: function (data) {
        for (var i = 0; i < data.length; i++) crc = crcTable[(crc ^ data[i]) & 255] ^ (crc >>> 8);
      },
      finish: function () {
        var v = (crc ^ -1) >>> 0;
        return Uint8Array.from([v >>> 24, (v >>> 16) & 255, (v >>> 8) & 255, v & 255]);
      }
    };
  }

  // ---- Plugins ----

  // A new hash for plugin and bits, or null for one that is unknown or not
  // registered.
  function hashFor(plugin, bits) {
    var p = (Number(plugin) || 0) & 0xffff;
    if (!registered[p]) return null;
    var b = bits === undefined || Number(bits) === 0 ? 256 : Number(bits);
    switch (p) {
      case kCRC32: return crc32();
      case kMD5: return blockHash(64, Int32Array.from([0x67452301, 0xefcdab89 | 0, 0x98badcfe | 0, 0x10325476]),
                                  md5Compress, true, 16);
      case kSHA1: return blockHash(64, Int32Array.from([0x67452301, 0xefcdab89 | 0, 0x98badcfe | 0, 0x10325476,
                                                        0xc3d2e1f0 | 0]), sha1Compress, false, 20);
      case kSHA2:
        if (b === 224) return blockHash(64, pairs(kNext8, true), sha256Compress, false, 28);
        if (b === 256) return blockHash(64, Int32Array.from(kFirst8.map(function (p) { return p[0]; })),
                                        sha256Compress, false, 32);
        if (b === 384) return blockHash(128, pairs(kNext8, false), sha512Compress, false, 48);
        if (b === 512) return blockHash(128, pairs(kFirst8, false), sha512Compress, false, 64);
        return null;
      case kSHA3:
        return b === 224 || b === 256 || b === 384 || b === 512 ? sha3(b) : null;
      default: return null;
    }
  }

  // A keyed hash (HMAC) when plugin carries #PB_Cipher_HMAC: the key,
  // hashed when longer than a block, padded, and the hash nested in a
  // second one.
  function newHash(plugin, bits, key, keyFormat) {
    var inner = hashFor(plugin, bits);
    if (!inner || !((Number(plugin) || 0) & kHMAC) || ((Number(plugin) & 0xffff) === kCRC32)) return inner;
    var keyBytes = cMemory.encode(key === undefined ? '' : key, cMemory.formatOf(keyFormat, kUTF8));
    var size = inner.blockSize;
    if (keyBytes.length > size) {
      var long = hashFor(plugin, bits);
      long.update(keyBytes);
      keyBytes = long.finish();
    }
    var padded = new Uint8Array(size);
    padded.set(keyBytes);
    inner.update(padded.map(function (b) { return b ^ 0x36; }));
    return {
      blockSize: size,
      update: function (data) { inner.update(data); },
      finish: function () {
        var outer = hashFor(plugin, bits);
        outer.update(padded.map(function (b) { return b ^ 0x5c; }));
        outer.update(inner.finish());
        return outer.finish();
      }
    };
  }

  function hex(digest) {
    var s = '';
    for (var i = 0; i < digest.length; i++) s += (digest[i] < 16 ? '0' : '') + digest[i].toString(16);
    return s;
  }

  function digestOf(data, plugin, bits, key, keyFormat) {
    var hash = newHash(plugin, bits, key, keyFormat);
    if (!hash) return '';
    hash.update(data);
    return hex(hash.finish());
  }

  function UseMD5Fingerprint() { registered[kMD5] = true; }
  function UseSHA1Fingerprint() { registered[kSHA1] = true; }
  function UseSHA2Fingerprint() { registered[kSHA2] = true; }
  function UseSHA3Fingerprint() { registered[kSHA3] = true; }
  function UseCRC32Fingerprint() { registered[kCRC32] = true; }

  function Fingerprint(memory, size, plugin, bits, key, keyFormat) {
    return digestOf(cMemory.bytesAt(memory, size), plugin, bits, key, keyFormat);
  }

  function StringFingerprint(text, plugin, bits, format, key, keyFormat) {
    return digestOf(cMemory.encode(text, cMemory.formatOf(format, kUTF8)), plugin, bits, key, keyFormat);
  }

  // Of the bytes from offset (0) on, length of them (-1: to the end); ""
  // when the file is missing.
  function FileFingerprint(name, plugin, bits, offset, length, key, keyFormat) {
    var data = cFileSystem.readAll(name);
    if (!data) return '';
    var from = Math.max(0, Math.min(data.length, Math.trunc(Number(offset)) || 0));
    var n = length === undefined || Number(length) < 0 ? data.length - from : Math.trunc(Number(length));
    return digestOf(data.subarray(from, Math.min(data.length, from + n)), plugin, bits, key, keyFormat);
  }

  var fingerprints = cObjects.table(null);

  function StartFingerprint(number, plugin, bits, key, keyFormat) {
    var hash = newHash(plugin, bits, key, keyFormat);
    return hash ? fingerprints.add(number, hash) : 0;
  }

  function AddFingerprintBuffer(number, memory, size) {
    var hash = fingerprints.get(number);
    if (!hash) return 0;
    hash.update(cMemory.bytesAt(memory, size).slice());
    return 1;
  }

  function FinishFingerprint(number) {
    var hash = fingerprints.get(number);
    if (!hash) return '';
    fingerprints.remove(number);
    return hex(hash.finish());
  }

  function IsFingerprint(number) { return fingerprints.get(number) ? 1 : 0; }

  // ---- Base64 ----

  var kAlphabet = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';

  function encode64(data, flags) {
    var f = Number(flags) || 0, s = '';
    var alphabet = f & kURL ? kAlphabet.substring(0, 62) + '-_' : kAlphabet;
    for (var i = 0; i < data.length; i += 3) {
      var n = (data[i] << 16) | ((data[i + 1] || 0) << 8) | (data[i + 2] || 0);
      var left = data.length - i;
      s += alphabet.charAt(n >> 18) + alphabet.charAt((n >> 12) & 63) +
           (left > 1 ? alphabet.charAt((n >> 6) & 63) : (f & kNoPadding ? '' : '=')) +
           (left > 2 ? alphabet.charAt(n & 63) : (f & kNoPadding ? '' : '='));
    }
    return s;
  }

  // Both alphabets are read; padding, line breaks and other characters
  // are passed over.
  function decode64(text) {
    var out = [], bits = 0, count = 0;
    for (var i = 0; i < text.length; i++) {
      var c = text.charAt(i);
      var v = c === '-' ? 62 : c === '_' ? 63 : kAlphabet.indexOf(c);
      if (v < 0) continue;
      bits = (bits << 6) | v;
      count += 6;
      if (count >= 8) {
        count -= 8;
        out.push((bits >> count) & 255);
      }
    }
    return Uint8Array.from(out);
  }

  function Base64Encoder(memory, size, flags) { return encode64(cMemory.bytesAt(memory, size), flags); }

  // The bytes decoded into *out, at most size of them.
  function Base64Decoder(text, memory, size) {
    var data = decode64(cString.text(text));
    var n = Math.max(0, Math.min(data.length, Math.trunc(Number(size)) || 0));
    cMemory.setBytes(memory, data.subarray(0, n));
    return n;
  }

  // The encoded text as Ascii bytes (and a NUL where it fits); 0 when the
  // output is too small.
  function Base64EncoderBuffer(memory, size, out, outSize, flags) {
    var text = Base64Encoder(memory, size, flags), room = Math.trunc(Number(outSize)) || 0;
    if (text.length > room) return 0;
    cMemory.setBytes(out, cMemory.encode(text, 24));
    if (text.length < room) cMemory.PokeA(cMemory.address(out) + text.length, 0);
    return text.length;
  }

  function Base64DecoderBuffer(memory, size, out, outSize) {
    return Base64Decoder(cMemory.decode(cMemory.bytesAt(memory, size), 24), out, outSize);
  }

  return {
    UseMD5Fingerprint: UseMD5Fingerprint, UseSHA1Fingerprint: UseSHA1Fingerprint,
    UseSHA2Fingerprint: UseSHA2Fingerprint, UseSHA3Fingerprint: UseSHA3Fingerprint,
    UseCRC32Fingerprint: UseCRC32Fingerprint, Fingerprint: Fingerprint,
    StringFingerprint: StringFingerprint, FileFingerprint: FileFingerprint,
    StartFingerprint: StartFingerprint, AddFingerprintBuffer: AddFingerprintBuffer,
    FinishFingerprint: FinishFingerprint, IsFingerprint: IsFingerprint,
    Base64Encoder: Base64Encoder, Base64Decoder: Base64Decoder,
    Base64EncoderBuffer: Base64EncoderBuffer, Base64DecoderBuffer: Base64DecoderBuffer,
    // the PureBasic type of each command's result, for the converter
    returns: {
      UseMD5Fingerprint: '', UseSHA1Fingerprint: '', UseSHA2Fingerprint: '', UseSHA3Fingerprint: '',
      UseCRC32Fingerprint: '', Fingerprint: 's', StringFingerprint: 's', FileFingerprint: 's',
      StartFingerprint: 'i', AddFingerprintBuffer: 'i', FinishFingerprint: 's', IsFingerprint: 'i',
      Base64Encoder: 's', Base64Decoder: 'i', Base64EncoderBuffer: 'i', Base64DecoderBuffer: 'i'
    }
  };
})();
