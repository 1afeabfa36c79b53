// The page's explore controls in Debian's headless Chromium: the time controls by button and by
// key, the figures as text that agree with the program's census, and in a replay, break-ups said
// in the polite live region and the scrubber landing on the recorded world.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('child_process');
const fs = require('fs');
const path = require('path');
const { repository, buildDir, siteAndBrowser } = require('./browser.js');
const { open, replayLink, framesReach, waitFrames } = require('./scene.js');

const site = siteAndBrowser();
const desktop = { width: 1280, height: 800, deviceScaleFactor: 1 };

const state = (page) =>
    page.evaluate(() => JSON.parse(Module.ccall('corvexa_state', 'string', [], [])));
const shows = (page, selector, text) =>
    page.waitForFunction((s, t) => document.querySelector(s).textContent === t, {}, selector, text);
// The census's figures on a replay's check or end line, by the page's names.
const counted = (line) =>
    Object.fromEntries(['satellites', 'parts', 'fragments', 'bullets', 'breakups'].map((key) => [
        key.replace('breakups', 'break-ups'), new RegExp(` ${key}=(\\d+)`).exec(line)[1]]));
const figures = (page) =>
    page.evaluate((names) => Object.fromEntries(names.map((name) =>
        [name, document.getElementById(`figure-${name}`).textContent])),
    ['satellites', 'parts', 'fragments', 'bullets', 'break-ups']);

// World frames per shown frame, over ten shown frames.
async function pace(page) {
    const counts = () => page.evaluate(() => [
        JSON.parse(Module.ccall('corvexa_state', 'string', [], [])).frame, window.corvexa.frames]);
    const before = await counts();
    await waitFrames(page, 10);
    const after = await counts();
    return (after[0] - before[0]) / (after[1] - before[1]);
}

test('the time controls by button and by key, and the figures as the census has them', async () => {
    const { page, log } = await open(site.browser, site.server.url, desktop);
    await framesReach(page, 5);
    for (const name of ['Pause', 'Step', 'Slower', 'Faster', 'Figures', 'Trails', 'New world']) {
        assert.ok(await page.$(`aria/${name}[role="button"]`), `no button named ${name}`);
    }
    // The figures show from the start, as text.
    await page.waitForSelector('#figures:not([hidden])');
    await page.waitForSelector('[data-command=figures][aria-pressed=true]');
    await shows(page, '#figure-satellites', '10');

    // Paused, the frame count holds; Step and the full stop each run one frame, and the figures
    // are then the census of the world that the recording has.
    await page.click('aria/Pause');
    await shows(page, '#speed', 'paused');
    const held = (await state(page)).frame;
    await waitFrames(page, 5);
    assert.equal((await state(page)).frame, held);
    await page.click('aria/Step');
    await page.keyboard.press('.');
    await shows(page, '#figure-frame', String(held + 2));
    const record = await page.evaluate(() => Module.ccall('corvexa_replay_text', 'string', []));
    const end = record.trimEnd().split('\n').pop();
    assert.match(end, new RegExp(`^end ${held + 2} `));
    assert.deepEqual(await figures(page), counted(end));
    // A new world starts its time again; the session's frames go on.
    await page.click('aria/New world');
    await shows(page, '#figure-time', '0 d 00 h 00 min');
    assert.equal((await state(page)).frame, held + 2);

    // The canvas's keys, the buttons having left it the focus: P resumes, + and = go four times
    // as fast, - three times to half; H hides the figures, T shows the trails, R a new world.
    assert.equal(await page.evaluate(() => document.activeElement === Module.canvas), true);
    await page.keyboard.press('p');
    assert.equal(await pace(page), 1);
    await page.keyboard.press('+');
    await page.keyboard.press('=');
    await shows(page, '#speed', 'x4');
    assert.equal(await pace(page), 4);
    for (const key of ['-', '-', '-', 'h', 't']) await page.keyboard.press(key);
    await shows(page, '#speed', 'x1/2');
    await page.waitForSelector('#figures[hidden]');
    await page.waitForSelector('[data-command=figures][aria-pressed=false]');
    await page.waitForSelector('[data-command=trails][aria-pressed=true]');
    const worldFrames = (await state(page)).worldFrames;
    await page.keyboard.press('r');
    await page.waitForFunction(
        (n) => JSON.parse(Module.ccall('corvexa_state', 'string', [], [])).worldFrames < n,
        {}, worldFrames);
    assert.deepEqual(log.errors, []);
    await page.close();
});

test('a replay: break-ups said politely, a scrubber landing on the recorded world', async (t) => {
    // 20 000 frames of a scripted run, checked every 100.
    const file = path.join(buildDir, 'explore-scrubber.replay');
    execFileSync(process.execPath, [path.join(buildDir, 'corvexa-headless.js'), '--keys',
        path.join(repository, 'headless/cascade.keys'), '--frames', '20000', '--final',
        '--save-replay', file]);
    const text = fs.readFileSync(file, 'utf8');
    const { page, log } = await open(site.browser, replayLink(site.server.url, text), desktop);
    await framesReach(page, 3);

    // At x64, the break-ups are said in the polite live region, one summary in four seconds
    // at most.
    assert.equal(await page.$eval('#announcements', (e) => e.ariaLive), 'polite');
    await page.evaluate(() => {
        window.said = [];
        const region = document.getElementById('announcements');
        new MutationObserver(() => said.push([performance.now(), region.textContent]))
            .observe(region, { childList: true });
    });
    for (let i = 0; i < 6; i++) await page.keyboard.press('+');
    await page.waitForFunction(() => window.said.length > 1, { timeout: 60000 });
    await page.click('aria/Pause');
    let told = 0;
    (await page.evaluate(() => window.said)).forEach(([at, words], i, said) => {
        const summary = /^(\d+) break-ups?: \d+ fragments? now\./.exec(words);
        assert.ok(summary, words);
        assert.ok(i === 0 || at - said[i - 1][0] >= 3990, `${words} too soon after the last`);
        told += Number(summary[1]);
    });
    assert.ok(told <= (await state(page)).breakUps, `${told} told`);

    const scrubber = await page.waitForSelector('aria/Replay frame');
    assert.deepEqual(await scrubber.evaluate((e) => [e.type, e.max]), ['range', '20000']);
    assert.equal(await page.$eval('[data-command=newWorld]', (b) => b.disabled), true);

    // Let go at a frame, or moved there by a key: the figures are those of the recorded world,
    // and past the checks on the way, each with the world's digest, the replay matches. The
    // page says where it is once it has read the world there.
    const landed = async (frame) => {
        await page.waitForFunction((n) => {
            const s = JSON.parse(Module.ccall('corvexa_state', 'string', [], []));
            return s.seekTarget === -1 && s.frame === n;
        }, { timeout: 120000 }, frame);
        await shows(page, '#replay-position', `frame ${frame} of 20000`);
    };
    const seek = (frame) => scrubber.evaluate((input, value) => {
        input.value = String(value);
        input.dispatchEvent(new Event('input'));
        input.dispatchEvent(new Event('change'));
    }, frame);
    await seek(12300);
    await landed(12300);
    const check = text.split('\n').find((line) => line.startsWith('check 12300 '));
    assert.deepEqual(await figures(page), counted(check));
    await seek(5000);
    await landed(5000);
    await scrubber.focus();
    const started = await page.evaluate(() => performance.now());
    await page.keyboard.press('End');
    await landed(20000);
    const seconds = (await page.evaluate(() => performance.now()) - started) / 1000;
    t.diagnostic(`seeking from frame 5000 to 20000: ${Math.round(15000 / seconds)} frames/s`);
    assert.equal(await page.$eval('#replay-status', (e) => e.textContent), 'replay matches');
    assert.deepEqual(log.errors, []);
    await page.close();
});
