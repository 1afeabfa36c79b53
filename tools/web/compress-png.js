// Writes PNG files again with their pixels deflated. The icon drawer stores them uncompressed,
// which every reader takes but which makes the page's 512-pixel icon a megabyte.
//
//   node tools/web/compress-png.js IN OUT [IN OUT ...]
'use strict';
const fs = require('fs');
const zlib = require('zlib');

const crcTable = Array.from({ length: 256 }, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
});

function crc32(bytes) {
    let c = 0xffffffff;
    for (const byte of bytes) c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
}

function chunk(type, data) {
    const typed = Buffer.concat([Buffer.from(type, 'latin1'), data]);
    const length = Buffer.alloc(4);
    length.writeUInt32BE(data.length);
    const crc = Buffer.alloc(4);
    crc.writeUInt32BE(crc32(typed));
    return Buffer.concat([length, typed, crc]);
}

// The same chunks in the same order, the image data in one chunk, deflated at the highest level.
function compress(png) {
    const out = [png.subarray(0, 8)];
    const pixels = [];
    for (let at = 8; at < png.length; ) {
        const length = png.readUInt32BE(at);
        const type = png.toString('latin1', at + 4, at + 8);
        const data = png.subarray(at + 8, at + 8 + length);
        at += 12 + length;
        if (type === 'IDAT') {
            pixels.push(data);
            continue;
        }
        if (pixels.length > 0) {
            const raw = zlib.inflateSync(Buffer.concat(pixels));
            out.push(chunk('IDAT', zlib.deflateSync(raw, { level: 9 })));
            pixels.length = 0;
        }
        out.push(chunk(type, data));
    }
    return Buffer.concat(out);
}

const files = process.argv.slice(2);
if (files.length === 0 || files.length % 2 !== 0) {
    console.error('usage: node compress-png.js IN OUT [IN OUT ...]');
    process.exit(2);
}
for (let i = 0; i < files.length; i += 2) {
    fs.writeFileSync(files[i + 1], compress(fs.readFileSync(files[i])));
}
