// Replays from strangers, in Debian's headless Chromium: a link of no replay, of a bomb and of a
// replay too long each leave a live game with the reason under the picture, holding little;
// Stop replay gives the keys back, and Copy link leaves the page's own address alone.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { repository, siteAndBrowser } = require('./browser.js');
const { recordsAKey, replayLink } = require('./scene.js');

const site = siteAndBrowser(['--enable-precise-memory-info']);
const mebibyte = 1024 * 1024;

// A page that counts the bytes read out of its streams, and keeps its uncaught errors.
async function open(url) {
    const page = await site.browser.newPage();
    page.exceptions = [];
    page.on('pageerror', (error) => page.exceptions.push(error.message));
    await page.evaluateOnNewDocument(() => {
        const read = ReadableStreamDefaultReader.prototype.read;
        window.bytesRead = 0;
        ReadableStreamDefaultReader.prototype.read = async function () {
            const step = await read.call(this);
            window.bytesRead += step.value ? step.value.byteLength : 0;
            return step;
        };
    });
    await page.goto(url);
    return page;
}

// A live game under this status, polled across the reload that may bring it (puppeteer's own
// wait can lose its page then), that records the keys.
async function assertLiveGame(page, status) {
    const live = (pattern) =>
        location.hash === '' &&
        window.corvexa.frames >= 5 &&
        new RegExp(pattern).test(document.getElementById('replay-status').textContent);
    for (let tries = 0; !(await page.evaluate(live, status.source).catch(() => false)); tries++) {
        assert.ok(tries < 600, `no live game under ${status}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    assert.ok(await page.$eval('#stop-replay', (button) => button.hidden));
    await recordsAKey(page);
}

test('links of no replay, of a bomb and of a replay too long leave a live game', async () => {
    // Deflate flushed on a byte, one piece after another: 256 MiB of one line in 260 KB.
    const piece = zlib.deflateRawSync(Buffer.alloc(mebibyte, 'x'), {
        finishFlush: zlib.constants.Z_SYNC_FLUSH,
    });
    const bomb = Buffer.concat([...Array(256).fill(piece), Buffer.from([3, 0])]);
    const check = 'satellites=10 parts=0 fragments=0 bullets=0 ship=1 created=0 breakups=0 ' +
        'energy=-83240416.038310 world=67dfe5b0bf980ba8';
    const url = site.server.url;
    for (const [link, reason] of [
        [replayLink(url, 'GIF89a\x01\x00 no replay\n'), /link\.replay:1: not a replay: it must/],
        [`${url}#replay=${bomb.toString('base64url')}`, /link\.replay: longer than the limit of/],
        [replayLink(url, `corvexa-replay 1\nseed 1\ncheck 1000000000 ${check}\n`), /beyond the/],
    ]) {
        const page = await open(link);
        await assertLiveGame(page, reason);
        const held = await page.evaluate(() => [
            window.bytesRead,
            performance.memory.usedJSHeapSize,
            Module.HEAPU8.length,
        ]);
        assert.ok(held[0] < 12 * mebibyte && held.every((bytes) => bytes < 64 * mebibyte), `${held}`);
        assert.deepEqual(page.exceptions, []);
        await page.close();
    }
});

test('Stop replay gives the keys back, and Copy link leaves the address alone', async () => {
    await site.browser
        .defaultBrowserContext()
        .overridePermissions(site.server.url, ['clipboard-read', 'clipboard-write']);
    const replay = fs.readFileSync(path.join(repository, 'tests/replays/window.replay'));
    const page = await open(replayLink(site.server.url, replay));
    await page.waitForFunction(() => window.corvexa.frames >= 5);
    await page.click('button[id=stop-replay]:not([hidden])');
    await assertLiveGame(page, /^$/);
    await page.click('#copy-link');
    await page.waitForFunction(() => /copied/.test(document.getElementById('replay-status').textContent));
    assert.equal(await page.evaluate(() => location.href), site.server.url);
    assert.match(await page.evaluate(() => navigator.clipboard.readText()), /#replay=[\w-]+$/);
    assert.deepEqual(page.exceptions, []);
    await page.close();
});
