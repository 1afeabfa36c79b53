// The page in Debian's headless Chromium with software WebGL, driven by real key presses.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { repository, buildDir, serve, launch } = require('./browser.js');

const expectedReport = fs.readFileSync(
    path.join(repository, 'tests/e2e/expected_report.txt'),
    'utf8',
);
const reportLines = expectedReport.trimEnd().split('\n');

let server;
let browser;

before(async () => {
    server = await serve(buildDir);
    browser = await launch();
});

after(async () => {
    await browser.close();
    server.close();
});

// A page with its console and its errors kept.
async function open(query = '', viewport = { width: 800, height: 420, deviceScaleFactor: 1 }) {
    const page = await browser.newPage();
    const log = { console: [], errors: [] };
    page.on('console', (message) => {
        (message.type() === 'error' ? log.errors : log.console).push(message.text());
    });
    page.on('pageerror', (error) => log.errors.push(error.message));
    await page.setViewport(viewport);
    await page.goto(server.url + query);
    return { page, log };
}

// The canvas's size on the page and in pixels.
function canvasSizes(canvas) {
    return [canvas.clientWidth, canvas.clientHeight, canvas.width, canvas.height];
}

function framesReach(page, count) {
    return page.waitForFunction((n) => window.corvexa.frames >= n, {}, count);
}

// Some frames after the present one: key events land between frames.
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

// What a picture shows: the share of pure blue near the centre, the flame's red, the bullets
// (lone 2 by 2 white squares on black) and a digest of the whole.
function describe(p, w, h) {
    // White is 255/256 of full intensity, as on the desktop.
    const is = (x, y, [r, g, b]) => {
        const i = (y * w + x) * 4;
        return Math.abs(p[i] - r) < 3 && Math.abs(p[i + 1] - g) < 3 && Math.abs(p[i + 2] - b) < 3;
    };
    const [black, white, blue] = [[0, 0, 0], [255, 255, 255], [0, 0, 255]];

    let red = 0;
    let digest = 0;
    for (let i = 0; i < p.length; i += 4) {
        if (p[i] > 200 && p[i + 1] < 60 && p[i + 2] < 60) red += 1;
        digest = (Math.imul(digest, 31) + p[i] * 65536 + p[i + 1] * 256 + p[i + 2]) | 0;
    }

    let sea = 0;
    let disc = 0;
    for (let y = h / 2 - 40; y < h / 2 + 40; y++) {
        for (let x = w / 2 - 40; x < w / 2 + 40; x++) {
            if ((x - w / 2) ** 2 + (y - h / 2) ** 2 > 1600) continue;
            disc += 1;
            if (is(x, y, blue)) sea += 1;
        }
    }

    let bullets = 0;
    for (let y = 2; y < h - 3; y++) {
        for (let x = 2; x < w - 3; x++) {
            let lone = is(x, y, white) && is(x + 1, y, white);
            lone = lone && is(x, y + 1, white) && is(x + 1, y + 1, white);
            for (let d = -1; d <= 2 && lone; d++) {
                lone = is(x + d, y - 1, black) && is(x + d, y + 2, black);
                lone = lone && is(x - 1, y + d, black) && is(x + 2, y + d, black);
            }
            if (lone) bullets += 1;
        }
    }
    return { red, bullets, digest, blueShare: sea / disc };
}

test('the page plays: report, picture, keys, focus, no scrolling and no errors', async () => {
    const { page, log } = await open();
    await framesReach(page, 5);
    // The canvas has the focus from the start.
    const focused = () => page.evaluate(() => document.activeElement === Module.canvas);
    assert.equal(await focused(), true);

    // The report on the console and under the canvas, in a block that opens on click.
    assert.deepEqual(log.console.slice(0, reportLines.length), reportLines);
    assert.equal(await page.$eval('#report', (e) => e.textContent), expectedReport);
    assert.equal(await page.$eval('#report-block', (e) => e.open), false);
    await page.click('#report-block summary');
    assert.equal(await page.$eval('#report-block', (e) => e.open), true);

    assert.equal(await page.title(), 'Corvexa');
    const box = await page.$eval('#canvas', canvasSizes);
    assert.deepEqual(box, [700, 500, 700, 500]);

    // The click on the report took the focus; a click on the canvas gives it back.
    assert.equal(await focused(), false);
    await page.click('#canvas');
    assert.equal(await focused(), true);


    // The Earth at the centre, its sea blue, and the picture moving.
    const first = await nextPicture(page);
    assert.ok(first.blueShare > 0.25, `blue share ${first.blueShare}`);
    assert.ok(first.drawCalls > 0 && first.drawCalls < 100, `draw calls ${first.drawCalls}`);
    assert.equal(first.red, 0);
    assert.equal(first.bullets, 0);
    await waitFrames(page, 3);
    assert.notEqual((await nextPicture(page)).digest, first.digest);

    // A red flame while the down arrow or W is held, none once it is let go.
    for (const key of ['ArrowDown', 'w']) {
        await page.keyboard.down(key);
        await waitFrames(page, 2);
        assert.ok((await nextPicture(page)).red > 10, `flame while ${key} is held`);
        await page.keyboard.up(key);
        await waitFrames(page, 2);
        assert.equal((await nextPicture(page)).red, 0, `no flame after ${key}`);
    }
    // A key let go while the canvas has no focus is let go all the same.
    await page.keyboard.down('ArrowDown');
    await waitFrames(page, 2);
    await page.click('main p');
    await page.keyboard.up('ArrowDown');
    await waitFrames(page, 2);
    assert.equal((await nextPicture(page)).red, 0, 'no flame once the canvas lost the focus');
    await page.click('#canvas');

    // The ship starts at the top left, facing up, and a GPS satellite comes its way: turned a
    // quarter to the left (A), it fires where nothing orbits, and the shots fly off as lone white
    // squares. The page, taller than the window here, scrolls neither on the arrows nor on space.
    assert.ok(await page.evaluate(() => document.documentElement.scrollHeight > innerHeight));
    await page.evaluate(() => scrollTo(0, 0));
    await page.keyboard.down('a');
    await waitFrames(page, 26);
    await page.keyboard.up('a');
    assert.equal((await nextPicture(page)).bullets, 0);
    // Space held down: the keyboard's repeats are ignored, as on the desktop, so one shot.
    await page.keyboard.down('Space');
    for (let repeat = 0; repeat < 3; repeat++) {
        await waitFrames(page, 2);
        await page.keyboard.down('Space');
    }
    await page.keyboard.up('Space');
    await waitFrames(page, 4);
    assert.equal((await nextPicture(page)).bullets, 1, 'one shot from a held space bar');
    // Two presses, two more shots, still close to the ship; the first may have left the picture.
    for (const key of ['Space', 'ArrowDown', 'Space', 'ArrowUp']) {
        await page.keyboard.press(key);
        await waitFrames(page, 3);
    }
    assert.ok((await nextPicture(page)).bullets >= 2, 'a shot for each press');
    assert.equal(await page.evaluate(() => scrollY), 0);

    assert.deepEqual(log.errors, []);
    await page.close();
});

test('?test shows the report and draws no frame', async () => {
    const { page, log } = await open('?test');
    await page.waitForFunction(
        (n) => document.getElementById('report').textContent.split('\n').length > n,
        {},
        reportLines.length,
    );
    // Ten of the browser's refreshes, in which no frame comes.
    await page.evaluate(async () => {
        for (let i = 0; i < 10; i++) await new Promise(requestAnimationFrame);
    });
    assert.equal(await page.$eval('#report', (e) => e.textContent), expectedReport);
    assert.equal(await page.$eval('#report-block', (e) => e.open), true);
    assert.equal(await page.evaluate(() => window.corvexa.frames), 0);
    assert.deepEqual(log.console, reportLines);
    assert.deepEqual(log.errors, []);
    await page.close();
});

test('a high-density screen gets a canvas of as many device pixels', async () => {
    const { page, log } = await open('', { width: 800, height: 600, deviceScaleFactor: 2 });
    await framesReach(page, 3);
    const box = await page.$eval('#canvas', canvasSizes);
    assert.deepEqual(box, [700, 500, 1400, 1000]);
    assert.ok((await nextPicture(page)).blueShare > 0.25);
    assert.deepEqual(log.errors, []);
    await page.close();
});
