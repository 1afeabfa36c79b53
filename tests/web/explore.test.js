// The page's explore controls in Debian's headless Chromium: the time controls by button and by
// key, the figures as text that agree with the program's census, a break-up said in the polite
// live region, the replay's scrubber landing on the recorded world, and the phone held upright.
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

function state(page) {
    return page.evaluate(() => JSON.parse(Module.ccall('corvexa_state', 'string', [], [])));
}

function figure(page, name) {
    return page.$eval(`#figure-${name}`, (element) => element.textContent);
}

// World frames per shown frame over the next ten shown frames, each read as its frame ends.
function pace(page) {
    return page.evaluate(
        () =>
            new Promise((resolve) => {
                const [drawn, seen] = [Module.onFrameDrawn, []];
                const frame = () => JSON.parse(Module.ccall('corvexa_state', 'string', [], [])).frame;
                Module.onFrameDrawn = (drawCalls) => {
                    drawn(drawCalls);
                    queueMicrotask(() => {
                        seen.push(frame());
                        if (seen.length < 11) return;
                        Module.onFrameDrawn = drawn;
                        resolve((seen[10] - seen[0]) / 10);
                    });
                };
            }),
    );
}

// A replay after it loads from its link, paused; the page's own console kept.
async function openReplay(text) {
    const { page, log } = await open(site.browser, site.server.url, desktop);
    await page.goto(replayLink(site.server.url, text));
    await page.reload();
    await framesReach(page, 3);
    await page.click('aria/Pause');
    await page.waitForFunction(() => document.getElementById('speed').textContent === 'paused');
    return { page, log };
}

test('the time controls by button and by key, and the figures as the census has them', async () => {
    const { page, log } = await open(site.browser, site.server.url, desktop);
    await framesReach(page, 5);
    for (const name of ['Pause', 'Step', 'Slower', 'Faster', 'Figures', 'Trails', 'New world']) {
        assert.ok(await page.$(`aria/${name}[role="button"]`), `no button named ${name}`);
    }
    // The figures show from the start, beside the picture, and none are drawn in it.
    await page.waitForSelector('#figures:not([hidden])');
    assert.equal(await page.$eval('[data-command=figures]', (b) => b.ariaPressed), 'true');
    assert.equal(await figure(page, 'satellites'), '10');

    await page.click('aria/Pause');
    await page.waitForSelector('[data-command=pause][aria-pressed=true]');
    assert.equal(await page.$eval('#speed', (e) => e.textContent), 'paused');
    // Paused, the frame count holds; Step and the full stop each run one frame.
    const held = (await state(page)).frame;
    await waitFrames(page, 5);
    assert.equal((await state(page)).frame, held);
    await page.click('aria/Step');
    await page.focus('#canvas');
    await page.keyboard.press('.');
    await page.waitForFunction((n) => document.getElementById('figure-frame').textContent === n,
        {}, String(held + 2));
    await waitFrames(page, 3);
    assert.equal((await state(page)).frame, held + 2);

    // The figures are the census of the world the replay records.
    const census = await page.evaluate(() => Module.ccall('corvexa_replay_text', 'string', []));
    const end = census.trimEnd().split('\n').pop();
    assert.match(end, new RegExp(`^end ${held + 2} `));
    for (const [name, key] of [['satellites', 'satellites'], ['parts', 'parts'],
        ['fragments', 'fragments'], ['bullets', 'bullets'], ['break-ups', 'breakups']]) {
        assert.equal(await figure(page, name), new RegExp(` ${key}=(\\d+)`).exec(end)[1], name);
    }

    // A new world starts its time again; the session's frames go on.
    await page.click('aria/New world');
    await page.waitForFunction(
        () => document.getElementById('figure-time').textContent === '0 d 00 h 00 min',
    );
    assert.equal((await state(page)).frame, held + 2);

    // By the canvas's keys: P resumes, + and = make it four times as fast, - slower.
    await page.keyboard.press('p');
    assert.equal(await pace(page), 1);
    await page.keyboard.press('+');
    await page.keyboard.press('=');
    assert.equal(await pace(page), 4);
    await page.waitForFunction(() => document.getElementById('speed').textContent === 'x4');
    for (let i = 0; i < 3; i++) await page.keyboard.press('-');
    await page.waitForFunction(() => document.getElementById('figure-speed').textContent === 'x1/2');
    // H hides the figures and shows them again, T the trails; R a new world.
    await page.keyboard.press('h');
    await page.waitForSelector('#figures[hidden]');
    assert.equal(await page.$eval('[data-command=figures]', (b) => b.ariaPressed), 'false');
    await page.keyboard.press('h');
    await page.keyboard.press('t');
    await page.waitForSelector('[data-command=trails][aria-pressed=true]:not([hidden])');
    await page.waitForSelector('#figures:not([hidden])');
    const before = (await state(page)).worldFrames;
    await page.keyboard.press('r');
    await page.waitForFunction(
        (n) => JSON.parse(Module.ccall('corvexa_state', 'string', [], [])).worldFrames < n,
        {},
        before,
    );
    // The buttons leave the keys with the canvas.
    assert.equal(await page.evaluate(() => document.activeElement === Module.canvas), true);
    assert.deepEqual(log.errors, []);
    await page.close();
});

test('break-ups are said in the polite live region, one summary in four seconds at most', async () => {
    const text = fs.readFileSync(path.join(repository, 'tests/replays/cascade.replay'), 'utf8');
    const { page, log } = await openReplay(text);
    const region = await page.$('#announcements');
    assert.equal(await region.evaluate((e) => e.getAttribute('aria-live')), 'polite');
    await page.evaluate(() => {
        window.said = [];
        new MutationObserver(() => {
            said.push([performance.now(), document.getElementById('announcements').textContent]);
        }).observe(document.getElementById('announcements'), { childList: true });
    });
    await page.click('aria/Pause');
    await page.keyboard.press('+');
    await page.waitForFunction(() => /^replay matches/.test(
        document.getElementById('replay-status').textContent), { timeout: 60000 });
    await page.waitForFunction(() => window.said.length > 0);
    const said = await page.evaluate(() => window.said);
    let told = 0;
    said.forEach(([at, words], i) => {
        const summary = /^(\d+) break-ups?: \d+ fragments? now\./.exec(words);
        assert.ok(summary, words);
        told += Number(summary[1]);
        assert.ok(i === 0 || at - said[i - 1][0] >= 3990, `${words} too soon after the last`);
    });
    assert.ok(told > 0 && told <= (await state(page)).breakUps, `${told} told`);
    assert.deepEqual(log.errors, []);
    await page.close();
});

test('the scrubber lands on the recorded world and plays on to "replay matches"', async (t) => {
    // 20 000 frames of a scripted run, checked every 100.
    const file = path.join(buildDir, 'explore-scrubber.replay');
    execFileSync(process.execPath, [path.join(buildDir, 'corvexa-headless.js'), '--keys',
        path.join(repository, 'headless/cascade.keys'), '--frames', '20000', '--final',
        '--save-replay', file]);
    const text = fs.readFileSync(file, 'utf8');
    const { page, log } = await openReplay(text);
    const scrubber = await page.waitForSelector('aria/Replay frame');
    assert.equal(await scrubber.evaluate((e) => e.type), 'range');
    assert.equal(await scrubber.evaluate((e) => e.max), '20000');
    assert.match(await page.$eval('#replay-position', (e) => e.textContent), /^frame \d+ of 20000$/);
    assert.equal(await page.$eval('[data-command=newWorld]', (b) => b.disabled), true);

    // Dragged to a checked frame and let go: the world is the one recorded there.
    const seek = (frame) =>
        scrubber.evaluate((input, value) => {
            input.value = String(value);
            input.dispatchEvent(new Event('input'));
            window.soughtAt = performance.now();
            input.dispatchEvent(new Event('change'));
        }, frame);
    const landed = (frame) =>
        page.waitForFunction(
            (n) => {
                const s = JSON.parse(Module.ccall('corvexa_state', 'string', [], []));
                return s.seekTarget === -1 && s.frame === n &&
                    document.getElementById('replay-position').textContent === `frame ${n} of 20000`;
            },
            { timeout: 120000 },
            frame,
        );
    await seek(12300);
    await landed(12300);
    const check = text.split('\n').find((line) => line.startsWith('check 12300 '));
    const shown = await state(page);
    for (const key of ['satellites', 'parts', 'fragments', 'bullets']) {
        assert.equal(String(shown[key]), new RegExp(` ${key}=(\\d+)`).exec(check)[1], key);
    }
    assert.equal(String(shown.breakUps), / breakups=(\d+)/.exec(check)[1]);
    assert.equal(await figure(page, 'frame'), '12300 of 20000');

    // Back, which runs the world again from the start, then to the end by the End key: every
    // check on the way, each with the world's digest, matches.
    await seek(5000);
    await landed(5000);
    await scrubber.focus();
    await page.evaluate(() => (window.soughtAt = performance.now()));
    await page.keyboard.press('End');
    await landed(20000);
    const seconds = await page.evaluate(() => (performance.now() - window.soughtAt) / 1000);
    t.diagnostic(`seek from 5000 to 20000: ${Math.round(15000 / seconds)} frames a second`);
    assert.equal(await page.$eval('#replay-status', (e) => e.textContent), 'replay matches');
    assert.deepEqual(log.errors, []);
    await page.close();
});

test('a phone held upright: figures and controls under the picture, above the thumbs', async () => {
    const phone = { width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
    const { page, log } = await open(site.browser, site.server.url, phone);
    await framesReach(page, 3);
    await page.waitForSelector('#figures:not([hidden])');
    const boxes = await page.evaluate(() =>
        ['canvas', 'figures', 'time-controls', 'controls'].map((id) => {
            const r = document.getElementById(id).getBoundingClientRect();
            return { id, top: r.top, bottom: r.bottom, right: r.right };
        }),
    );
    const pads = await page.$eval('.pad', (e) => e.getBoundingClientRect().top);
    for (let i = 1; i < boxes.length; i++) {
        assert.ok(boxes[i].top >= boxes[i - 1].bottom, `${boxes[i].id} over ${boxes[i - 1].id}`);
        assert.ok(boxes[i].right <= 390, `${boxes[i].id} off the screen`);
    }
    assert.ok(boxes[boxes.length - 1].bottom <= pads, 'controls over the thumbs');
    const small = await page.$$eval('.explore button', (buttons) =>
        buttons.filter((b) => b.offsetWidth < 44 || b.offsetHeight < 44).map((b) => b.textContent),
    );
    assert.deepEqual(small, []);
    // A tap on Pause pauses; the canvas keeps the keys.
    await page.tap('[data-command=pause]');
    await page.waitForSelector('[data-command=pause][aria-pressed=true]');
    assert.equal(await page.evaluate(() => document.activeElement === Module.canvas), true);
    assert.deepEqual(log.errors, []);
    await page.close();
});
