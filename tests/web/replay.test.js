// Replays in the page, in Debian's headless Chromium: replays kept from the Linux window and from
// a scripted run play to "replay matches", by link (sped up eightfold, as a viewer may) and by
// the file input; a session played in the page is saved with its button, and its link plays it
// back.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { repository, buildDir, siteAndBrowser } = require('./browser.js');
const { replayLink } = require('./scene.js');

const replays = path.join(repository, 'tests/replays');
const site = siteAndBrowser();

function statusOf(page) {
    return page.$eval('#replay-status', (element) => element.textContent);
}

// Eight world frames a shown frame, by the Faster button.
async function eightfold(page) {
    await page.waitForFunction(() => window.corvexa.frames >= 1, { timeout: 120000 });
    for (let n = 0; n < 3; n++) {
        await page.click('button[data-command=faster]');
    }
}

async function waitForVerdict(page) {
    await page.waitForFunction(
        () => /^replay (matches|differs)/.test(document.getElementById('replay-status').textContent),
        { timeout: 120000 },
    );
    return statusOf(page);
}

test('replays from the window and from a script play to "replay matches" by link and by file', async () => {
    const page = await site.browser.newPage();
    await page.goto(site.server.url);
    const windowReplay = fs.readFileSync(path.join(replays, 'window.replay'), 'utf8');
    await page.goto(replayLink(site.server.url, windowReplay));
    await page.reload();
    await eightfold(page);
    assert.equal(await waitForVerdict(page), 'replay matches');

    const input = await page.$('input[type=file][aria-label="Open replay"]');
    assert.ok(input, 'no "Open replay" file input');
    // The file plays in a fresh page: the verdict must be that page's, not the last one's.
    await page.evaluate(() => {
        window.replayedBefore = true;
    });
    await input.uploadFile(path.join(replays, 'cascade.replay'));
    await page.waitForFunction(
        () => !window.replayedBefore && window.corvexa && window.corvexa.frames >= 1,
        { timeout: 120000 },
    );
    assert.match(page.url(), /#replay=/);
    assert.equal(await waitForVerdict(page), 'replay matches');
    await page.close();
});

test('a session played in the page is saved by its button, verifies, and its link plays it', async () => {
    const page = await site.browser.newPage();
    const downloads = fs.mkdtempSync(path.join(os.tmpdir(), 'corvexa-downloads-'));
    const cdp = await page.target().createCDPSession();
    await cdp.send('Page.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
    await page.goto(site.server.url);
    await page.waitForFunction(() => window.corvexa.frames >= 5);
    await page.focus('#canvas');
    await page.keyboard.down('KeyD');
    await page.waitForFunction(() => window.corvexa.frames >= 20);
    await page.keyboard.up('KeyD');
    await page.keyboard.down('KeyW');
    await page.waitForFunction(() => window.corvexa.frames >= 35);
    await page.keyboard.up('KeyW');
    await page.keyboard.press('Space');
    await page.keyboard.press('Home');
    await page.waitForFunction(() => window.corvexa.frames >= 110);

    await page.click('#save-replay');
    let saved;
    for (let tries = 0; !saved && tries < 100; tries += 1) {
        const names = fs.readdirSync(downloads).filter((name) => name.endsWith('.replay'));
        if (names.length > 0) saved = path.join(downloads, names[0]);
        else await new Promise((resolve) => setTimeout(resolve, 100));
    }
    assert.ok(saved, 'no replay was downloaded');
    const text = fs.readFileSync(saved, 'utf8');
    for (const event of ['+right', '-right', '+down', '-down', '+space', '+home', '-home']) {
        assert.match(text, new RegExp(`^\\d+ \\${event}$`, 'm'), `no ${event} in the replay`);
    }
    assert.match(text, /^check 100 /m);
    assert.match(text, /^end \d+ satellites=/m);

    // The program of this build verifies it, as the Linux one does the one kept in the tests.
    const verdict = execFileSync(process.execPath, [
        path.join(buildDir, 'corvexa-headless.js'),
        '--verify',
        saved,
    ]).toString();
    assert.equal(verdict, 'replay matches\n');
    fs.rmSync(downloads, { recursive: true, force: true });

    await page.goto(replayLink(site.server.url, text));
    await page.reload();
    assert.equal(await waitForVerdict(page), 'replay matches');
    await page.close();
});
