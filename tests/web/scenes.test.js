// Scenes in the page, in Debian's headless Chromium: a shipped scene picked, its link copied and
// opened, a scene file opened, a bad scene's link leaving a live game with the reason, and a
// replay linked while a scene plays verifying.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const path = require('path');
const zlib = require('zlib');
const { repository, siteAndBrowser } = require('./browser.js');
const { recordsAKey, waitFrames } = require('./scene.js');

const site = siteAndBrowser();

// Polled across the reloads that a pick or a link brings, which puppeteer's own waits can lose.
async function until(page, check, ...args) {
    for (let tries = 0; ; tries++) {
        const value = await page.evaluate(check, ...args).catch(() => null);
        if (value) return value;
        assert.ok(tries < 1200, `never: ${check}`);
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
}

// What plays once a game of so many satellites runs: the picker's title, the status, the address.
function playing(page, satellites) {
    return until(page, (count) => {
        if (!window.corvexa || window.corvexa.frames < 5) return null;
        const state = JSON.parse(Module.ccall('corvexa_state', 'string', []));
        if (state.satellites !== count) return null;
        const picker = document.getElementById('scene');
        return {
            title: picker.options[picker.selectedIndex].textContent,
            status: document.getElementById('replay-status').textContent,
            hash: location.hash,
            canCopy: !document.getElementById('copy-scene-link').disabled,
        };
    }, satellites);
}

// The link a button copies, once the clipboard holds one of its kind.
async function copied(page, button, kind) {
    await page.click(button);
    return until(page, async (pattern) => {
        const text = await navigator.clipboard.readText();
        return new RegExp(pattern).test(text) && text;
    }, `#${kind}=[\\w-]+$`);
}

test('a picked scene plays, and its scene link and its replay link play it again', async () => {
    await site.browser
        .defaultBrowserContext()
        .overridePermissions(site.server.url, ['clipboard-read', 'clipboard-write']);
    const page = await site.browser.newPage();
    await page.goto(site.server.url);
    const built = await playing(page, 10);
    assert.deepEqual([built.title, built.canCopy], ['The world as built', false]);

    await page.select('#scene', 'scenes/gps-ring.scene');
    const ring = await playing(page, 24);
    assert.deepEqual([ring.title, ring.canCopy], ['Twenty-four GPS satellites on one ring', true]);
    assert.match(ring.hash, /^#scene=/);
    const address = ring.hash;

    await page.focus('#canvas');
    await page.keyboard.down('KeyD');
    await waitFrames(page, 5);
    await page.keyboard.up('KeyD');
    await waitFrames(page, 20);
    const sceneLink = await copied(page, '#copy-scene-link', 'scene');
    const replayLink = await copied(page, '#copy-link', 'replay');
    assert.equal(await page.evaluate(() => location.hash), address, 'the address was changed');
    await page.close();

    // The replay ends as it was recorded: its last frame may hold fewer satellites.
    for (const [link, status] of [[sceneLink, /^$/], [replayLink, /^replay matches$/]]) {
        const linked = await site.browser.newPage();
        await linked.goto(link);
        const again = await playing(linked, 24);
        assert.equal(again.title, 'Twenty-four GPS satellites on one ring');
        await until(linked, (pattern) =>
            new RegExp(pattern).test(document.getElementById('replay-status').textContent),
            status.source);
        await linked.close();
    }
});

test('a scene file opens, and a bad scene link leaves a live game with the reason', async () => {
    const page = await site.browser.newPage();
    await page.goto(site.server.url);
    await playing(page, 10);
    const input = await page.$('input[type=file][aria-label="Open scene"]');
    await input.uploadFile(path.join(repository, 'scenes/eccentric.scene'));
    const eccentric = await playing(page, 1);
    assert.equal(eccentric.title, "A very eccentric orbit: Kepler's second law");

    for (const [scene, reason] of [
        ['corvexa-scene 1\ntitle Broken\nhubble at 0\n', 'link\\.scene:3: .+'],
        ['#'.repeat(3 << 20), 'link\\.scene: longer than the limit of 2097152 bytes'],
    ]) {
        const packed = zlib.deflateRawSync(scene).toString('base64url');
        await page.goto(`${site.server.url}#scene=${packed}`);
        await page.reload();
        await until(page, (pattern) => location.hash === '' &&
            new RegExp(`^This scene cannot be played: ${pattern}\\. A new game has started\\.$`)
                .test(document.getElementById('replay-status').textContent), reason);
        assert.equal((await playing(page, 10)).title, 'The world as built');
    }
    await recordsAKey(page);
    await page.close();
});
