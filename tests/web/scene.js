// What the page's tests share: a page opened on a screen with its console kept, its frames
// awaited, its picture read and described, fingers on a touch screen, and a live game's keys.
'use strict';

const assert = require('node:assert/strict');

// A page with its console and its errors kept; page errors are kept apart from the messages
// the program itself writes to the console's error stream.
async function open(browser, url, viewport) {
    const page = await browser.newPage();
    const log = { console: [], errors: [], exceptions: [] };
    page.on('console', (message) => {
        (message.type() === 'error' ? log.errors : log.console).push(message.text());
    });
    page.on('pageerror', (error) => {
        log.errors.push(error.message);
        log.exceptions.push(error.message);
    });
    await page.setViewport(viewport);
    await page.goto(url);
    return { page, log };
}

// The live bullets by the program's own count, from the census that ends the page's replay:
// white squares in the picture could be fragments too, which the world's random seed decides.
async function liveBullets(page) {
    const replay = await page.evaluate(() => Module.ccall('corvexa_replay_text', 'string', [], []));
    return Number(/ bullets=(\d+) /.exec(replay.trimEnd().split('\n').pop())[1]);
}

// The link the page makes for a replay: deflated, in base64 with the URL's alphabet.
function replayLink(base, replay) {
    return `${base}#replay=${require('zlib').deflateRawSync(replay).toString('base64url')}`;
}

function framesReach(page, count) {
    return page.waitForFunction((n) => window.corvexa.frames >= n, {}, count);
}

// Some frames after the present one: input lands between frames.
async function waitFrames(page, count) {
    const now = await page.evaluate(() => window.corvexa.frames);
    await framesReach(page, now + count);
}

// The next frame's picture, read from the drawing buffer as the frame ends (the browser clears
// it once shown), and the draws it took.
async function nextPicture(page) {
    const frame = await page.evaluate(
        () =>
            new Promise((resolve) => {
                const drawn = Module.onFrameDrawn;
                Module.onFrameDrawn = (drawCalls) => {
                    drawn(drawCalls);
                    Module.onFrameDrawn = drawn;
                    const gl = Module.canvas.getContext('webgl');
                    const [w, h] = [gl.drawingBufferWidth, gl.drawingBufferHeight];
                    const pixels = new Uint8Array(w * h * 4);
                    gl.readPixels(0, 0, w, h, gl.RGBA, gl.UNSIGNED_BYTE, pixels);
                    let text = '';
                    for (let i = 0; i < pixels.length; i += 0x8000) {
                        text += String.fromCharCode(...pixels.subarray(i, i + 0x8000));
                    }
                    resolve({ w, h, drawCalls, data: btoa(text) });
                };
            }),
    );
    const pixels = Buffer.from(frame.data, 'base64');
    return { drawCalls: frame.drawCalls, ...describe(pixels, frame.w, frame.h) };
}

// What a picture shows, whatever its scale: the share of pure blue near the centre, the
// flame's red, the bullets (lone white squares on black), the share of white pixels on a line
// one pixel thin, where the flame is from the ship's body (in picture pixels, y up, or null
// without a flame), and a digest of the whole. Rows run from the bottom, as GL reads them.
function describe(p, w, h) {
    const scale = w / 700;
    const at = (x, y) => (y * w + x) * 4;
    // White is 255/256 of full intensity, as on the desktop.
    const near = (i, r, g, b) =>
        Math.abs(p[i] - r) < 3 && Math.abs(p[i + 1] - g) < 3 && Math.abs(p[i + 2] - b) < 3;
    const white = (i) => near(i, 255, 255, 255);
    const black = (i) => near(i, 0, 0, 0);
    const red = (i) => p[i] > 200 && p[i + 1] < 60 && p[i + 2] < 60;
    const ship = (i) => near(i, 196, 196, 196) || near(i, 64, 64, 156);

    let reds = 0;
    let flameX = 0;
    let flameY = 0;
    let digest = 0;
    for (let y = 0; y < h; y++) {
        for (let x = 0; x < w; x++) {
            const i = at(x, y);
            digest = (Math.imul(digest, 31) + p[i] * 65536 + p[i + 1] * 256 + p[i + 2]) | 0;
            if (!red(i)) continue;
            reds += 1;
            flameX += x;
            flameY += y;
        }
    }

    // The ship's body is what is grey or deep blue around the flame.
    let flameFrom = null;
    if (reds > 0) {
        [flameX, flameY] = [flameX / reds, flameY / reds];
        const reach = 25 * scale;
        const [yEnd, xEnd] = [Math.min(h, flameY + reach), Math.min(w, flameX + reach)];
        let [count, bodyX, bodyY] = [0, 0, 0];
        for (let y = Math.max(0, Math.round(flameY - reach)); y < yEnd; y++) {
            for (let x = Math.max(0, Math.round(flameX - reach)); x < xEnd; x++) {
                if (!ship(at(x, y))) continue;
                count += 1;
                bodyX += x;
                bodyY += y;
            }
        }
        if (count > 0) {
            flameFrom = [(flameX - bodyX / count) / scale, (flameY - bodyY / count) / scale];
        }
    }

    const [cx, cy, radius] = [Math.floor(w / 2), Math.floor(h / 2), Math.round(40 * scale)];
    let sea = 0;
    let disc = 0;
    for (let y = cy - radius; y < cy + radius; y++) {
        for (let x = cx - radius; x < cx + radius; x++) {
            if ((x - cx) ** 2 + (y - cy) ** 2 > radius ** 2) continue;
            disc += 1;
            if (near(at(x, y), 0, 0, 255)) sea += 1;
        }
    }

    // Bullets: white squares two picture pixels across, with nothing but black around them.
    // Lines: white pixels whose white run across or along is one pixel.
    const seen = new Uint8Array(w * h);
    let bullets = 0;
    let whites = 0;
    let thin = 0;
    for (let y = 1; y < h - 1; y++) {
        for (let x = 1; x < w - 1; x++) {
            const i = at(x, y);
            if (!white(i)) continue;
            whites += 1;
            const lone = (dx, dy) => !white(at(x + dx, y + dy));
            if ((lone(-1, 0) && lone(1, 0)) || (lone(0, -1) && lone(0, 1))) thin += 1;
            if (seen[y * w + x]) continue;
            let [left, right, bottom, top, alone, size] = [x, x, y, y, true, 0];
            const stack = [[x, y]];
            seen[y * w + x] = 1;
            while (stack.length > 0) {
                const [px, py] = stack.pop();
                size += 1;
                [left, right] = [Math.min(left, px), Math.max(right, px)];
                [bottom, top] = [Math.min(bottom, py), Math.max(top, py)];
                for (const [qx, qy] of [[px - 1, py], [px + 1, py], [px, py - 1], [px, py + 1]]) {
                    if (qx < 0 || qy < 0 || qx >= w || qy >= h) continue;
                    const q = at(qx, qy);
                    if (white(q)) {
                        if (!seen[qy * w + qx]) {
                            seen[qy * w + qx] = 1;
                            stack.push([qx, qy]);
                        }
                    } else if (!black(q)) {
                        alone = false;
                    }
                }
            }
            const sides = [right - left + 1, top - bottom + 1];
            const [least, most] = [Math.max(2, 2 * scale - 1), 2 * scale + 1];
            const square = sides.every((n) => n >= least && n <= most);
            if (alone && square && size >= 0.6 * sides[0] * sides[1]) bullets += 1;
        }
    }
    return {
        red: reds,
        bullets,
        thinShare: whites > 0 ? thin / whites : 0,
        flameFrom,
        digest,
        blueShare: sea / disc,
    };
}

// Fingers on the touch screen, through Chrome's own touch input, which keeps the fingers down
// by the session that sent them: each call gives every finger still down, by its id, at the
// centre of the element it rests on.
const touchSessions = new WeakMap();
async function touch(page, type, fingers) {
    const points = [];
    for (const [id, selector] of fingers) {
        const box = await (await page.$(selector)).boundingBox();
        points.push({ id, x: box.x + box.width / 2, y: box.y + box.height / 2 });
    }
    if (!touchSessions.has(page)) touchSessions.set(page, await page.target().createCDPSession());
    await touchSessions.get(page).send('Input.dispatchTouchEvent', { type, touchPoints: points });
}

// A live game: the canvas takes a held D, and the session's record has it.
async function recordsAKey(page) {
    await page.focus('#canvas');
    await page.keyboard.down('KeyD');
    await waitFrames(page, 3);
    await page.keyboard.up('KeyD');
    const recorded = await page.evaluate(() => Module.ccall('corvexa_replay_text', 'string', []));
    assert.match(recorded, /^\d+ \+right$/m);
}

module.exports = {
    liveBullets,
    open,
    replayLink,
    framesReach,
    waitFrames,
    nextPicture,
    touch,
    recordsAKey,
};
