// The page in Debian's headless Chromium with software WebGL, driven by real key presses.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const path = require('path');
const { repository, siteAndBrowser } = require('./browser.js');
const scene = require('./scene.js');
const { framesReach, waitFrames, nextPicture } = scene;

const expectedReport = fs.readFileSync(
    path.join(repository, 'tests/e2e/expected_report.txt'),
    'utf8',
);
const reportLines = expectedReport.trimEnd().split('\n');

const site = siteAndBrowser();

// A window that gives the picture the window's own 700 by 500 pixels, with the figures and the
// controls under it, the replays' and the scenes' rows among them.
const windowSized = { width: 716, height: 800, deviceScaleFactor: 1 };

function open(query = '', viewport = windowSized) {
    return scene.open(site.browser, site.server.url + query, viewport);
}

// The canvas's size on the page and in pixels.
function canvasSizes(canvas) {
    return [canvas.clientWidth, canvas.clientHeight, canvas.width, canvas.height];
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

    // The Earth at the centre, its sea blue, the whole picture in one draw, and moving.
    const first = await nextPicture(page);
    assert.ok(first.blueShare > 0.25, `blue share ${first.blueShare}`);
    assert.equal(first.drawCalls, 1);
    assert.equal(first.red, 0);
    assert.equal(first.bullets, 0);
    await waitFrames(page, 3);
    assert.notEqual((await nextPicture(page)).digest, first.digest);

    // The window's pace: a frame lasts its work and 35 ms more, counted from when it was due,
    // so forty frames take at least 40 × 35 ms less part of a refresh.
    const stamps = await page.evaluate(
        () =>
            new Promise((resolve) => {
                const [times, drawn] = [[], Module.onFrameDrawn];
                Module.onFrameDrawn = (drawCalls) => {
                    drawn(drawCalls);
                    times.push(document.timeline.currentTime);
                    if (times.length === 41) resolve(times);
                };
            }),
    );
    const meanFrame = (stamps[40] - stamps[0]) / 40;
    assert.ok(meanFrame > 34.5, `${meanFrame.toFixed(1)} ms a frame`);

    // A red flame while the down arrow or W is held, none once it is let go; W by its place on
    // the keyboard, whatever letter the layout puts there.
    const keys = await page.target().createCDPSession();
    const cyrillicW = { code: 'KeyW', key: 'ц', text: 'ц', windowsVirtualKeyCode: 87 };
    const presses = [
        ['ArrowDown', () => page.keyboard.down('ArrowDown'), () => page.keyboard.up('ArrowDown')],
        ['w', () => page.keyboard.down('w'), () => page.keyboard.up('w')],
        [
            'ц on W',
            () => keys.send('Input.dispatchKeyEvent', { type: 'keyDown', ...cyrillicW }),
            () => keys.send('Input.dispatchKeyEvent', { type: 'keyUp', ...cyrillicW }),
        ],
        // Alt pressed while W is held: the release still reaches the program.
        [
            'w then Alt',
            () => page.keyboard.down('w'),
            () => page.keyboard.down('Alt').then(() => page.keyboard.up('w')),
        ],
    ];
    for (const [name, down, up] of presses) {
        await down();
        await waitFrames(page, 2);
        assert.ok((await nextPicture(page)).red > 10, `flame while ${name} is held`);
        await up();
        await waitFrames(page, 2);
        assert.equal((await nextPicture(page)).red, 0, `no flame after ${name}`);
    }
    await page.keyboard.up('Alt');
    // A key let go while the canvas has no focus is let go all the same.
    await page.keyboard.down('ArrowDown');
    await waitFrames(page, 2);
    await page.click('.keys');
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
    assert.equal(await scene.liveBullets(page), 0);
    // Space held down: the keyboard's repeats are ignored, as on the desktop, so one shot.
    await page.keyboard.down('Space');
    for (let repeat = 0; repeat < 3; repeat++) {
        await waitFrames(page, 2);
        await page.keyboard.down('Space');
    }
    await page.keyboard.up('Space');
    await waitFrames(page, 4);
    assert.equal(await scene.liveBullets(page), 1, 'one shot from a held space bar');
    // Two presses, two more shots, still close to the ship; the first may have left the picture.
    for (const key of ['Space', 'ArrowDown', 'Space', 'ArrowUp']) {
        await page.keyboard.press(key);
        await waitFrames(page, 3);
    }
    const shots = await scene.liveBullets(page);
    assert.ok(shots === 3 || shots === 2, `a shot for each press: ${shots} live`);
    assert.equal(await page.evaluate(() => scrollY), 0);

    // Only the program's own keys are kept from the page, and none with Ctrl, Alt or Meta held:
    // Alt and the left arrow are the browser's, to go back.
    await page.evaluate(() => {
        window.kept = [];
        addEventListener('keydown', (e) => kept.push(`${e.code} ${e.defaultPrevented}`));
    });
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.press('KeyQ');
    await page.keyboard.press('F5');
    await page.keyboard.down('Alt');
    await page.keyboard.press('ArrowLeft');
    await page.keyboard.up('Alt');
    const kept = await page.evaluate(() => window.kept);
    assert.deepEqual(kept, [
        'ArrowLeft true',
        'KeyQ false',
        'F5 false',
        'AltLeft false',
        'ArrowLeft false',
    ]);

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

test('a high-density screen: as many pixels, and lines that grow with the picture', async () => {
    const at = async (deviceScaleFactor) => {
        const { page, log } = await open('', { ...windowSized, deviceScaleFactor });
        await framesReach(page, 3);
        const sizes = await page.$eval('#canvas', canvasSizes);
        const picture = await nextPicture(page);
        assert.deepEqual(log.errors, []);
        await page.close();
        return { sizes, picture };
    };
    const [single, double] = [await at(1), await at(2)];
    assert.deepEqual(double.sizes, [700, 500, 1400, 1000]);
    assert.ok(double.picture.blueShare > 0.25);
    // One device pixel wide, the satellites' white lines would be thin at either density.
    assert.ok(single.picture.thinShare > 0.2, `${single.picture.thinShare} thin at 1`);
    assert.ok(double.picture.thinShare < 0.05, `${double.picture.thinShare} thin at 2`);
});
