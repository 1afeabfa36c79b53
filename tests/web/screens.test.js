// The page on a phone, held upright and sideways, played with the thumbs, and on a large
// desktop screen, played with a gamepad.
'use strict';
const { test } = require('node:test');
const assert = require('node:assert/strict');
const { siteAndBrowser } = require('./browser.js');
const { open, framesReach, waitFrames, nextPicture, touch, liveBullets } = require('./scene.js');

const site = siteAndBrowser();

// Where things are, in CSS pixels: the viewport, the canvas and its pixels, the row of controls
// under it and the touch controls.
function layout() {
    const box = (e) => {
        const r = e.getBoundingClientRect();
        return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
    };
    const canvas = document.getElementById('canvas');
    const buttons = [...document.querySelectorAll('.pad button')].filter((b) => b.offsetParent);
    return {
        viewport: { width: innerWidth, height: innerHeight },
        scrollWidth: document.documentElement.scrollWidth,
        canvas: box(canvas),
        controls: box(document.getElementById('controls')),
        pixels: [canvas.width, canvas.height],
        ratio: devicePixelRatio,
        buttons: buttons.map((b) => ({ name: b.getAttribute('aria-label'), ...box(b) })),
    };
}

function inside(inner, outer) {
    return (
        inner.left >= 0 &&
        inner.top >= 0 &&
        inner.right <= outer.width + 0.5 &&
        inner.bottom <= outer.height + 0.5
    );
}

function apart(a, b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}

// The picture whole on the screen, at 7:5 in as many device pixels as it covers.
function assertPictureFits(l, screen) {
    assert.ok(l.scrollWidth <= l.viewport.width, `${screen}: scrolls sideways`);
    assert.ok(inside(l.canvas, l.viewport), `${screen}: picture off the screen`);
    assert.ok(inside(l.controls, l.viewport), `${screen}: controls off the screen`);
    assert.ok(apart(l.controls, l.canvas), `${screen}: controls over the picture`);
    assert.equal(l.pixels[0] * 5, l.pixels[1] * 7, `${screen}: not 7:5`);
    const across = l.canvas.right - l.canvas.left;
    assert.ok(Math.abs(across * l.ratio - l.pixels[0]) < 1, `${screen}: scaled`);
}

test('a phone, upright and sideways: the whole picture, and the thumbs play', async () => {
    for (const [width, height] of [
        [390, 844],
        [844, 390],
    ]) {
        const screen = `${width}×${height}`;
        const phone = { width, height, deviceScaleFactor: 3, isMobile: true, hasTouch: true };
        const { page, log } = await open(site.browser, site.server.url, phone);
        await framesReach(page, 3);

        // Nothing runs off the screen, and the four touch controls, large enough for a thumb,
        // are clear of the picture.
        const l = await page.evaluate(layout);
        assertPictureFits(l, screen);
        const [across, down] = [l.canvas.right - l.canvas.left, l.canvas.bottom - l.canvas.top];
        assert.ok(across > width / 2 || down > height / 2, `${screen}: picture too small`);
        assert.deepEqual(
            l.buttons.map((b) => b.name),
            ['Turn left', 'Turn right', 'Thrust', 'Fire'],
        );
        for (const b of l.buttons) {
            assert.ok(inside(b, l.viewport), `${screen}: ${b.name} off the screen`);
            assert.ok(apart(b, l.canvas), `${screen}: ${b.name} over the picture`);
            assert.ok(b.right - b.left >= 44 && b.bottom - b.top >= 44, `${screen}: ${b.name}`);
        }

        // Thrust held shows the flame behind the ship, which faces up; Turn left under a second
        // finger turns it a quarter while the flame still shows; both let go, no flame.
        const [thrust, left, fire] = ['[aria-label="Thrust"]', '[aria-label="Turn left"]',
            '[aria-label="Fire"]'];
        await touch(page, 'touchStart', [[1, thrust]]);
        await waitFrames(page, 2);
        const thrusting = await nextPicture(page);
        assert.ok(thrusting.red > 10, `${screen}: no flame`);
        assert.ok(thrusting.flameFrom[1] < -5, `${screen}: flame at ${thrusting.flameFrom}`);
        await touch(page, 'touchStart', [
            [1, thrust],
            [2, left],
        ]);
        await waitFrames(page, 26);
        const turned = await nextPicture(page);
        assert.ok(turned.red > 10, `${screen}: no flame while turning`);
        assert.ok(turned.flameFrom[0] > 5, `${screen}: flame at ${turned.flameFrom}`);
        // A finger that slides off a control lets it go.
        await touch(page, 'touchMove', [
            [1, '#canvas'],
            [2, left],
        ]);
        await waitFrames(page, 2);
        assert.equal((await nextPicture(page)).red, 0, `${screen}: flame after sliding off`);
        await touch(page, 'touchEnd', []);

        // A tap on Fire, one shot.
        await touch(page, 'touchStart', [[3, fire]]);
        await waitFrames(page, 4);
        await touch(page, 'touchEnd', []);
        await waitFrames(page, 2);
        assert.equal(await liveBullets(page), 1, `${screen}: shots from one tap`);

        // The page loses the focus with a finger down: the control lets go.
        await touch(page, 'touchStart', [[4, thrust]]);
        await waitFrames(page, 2);
        await page.evaluate(() => dispatchEvent(new Event('blur')));
        await waitFrames(page, 2);
        assert.equal((await nextPicture(page)).red, 0, `${screen}: flame after the blur`);
        await touch(page, 'touchEnd', []);

        assert.deepEqual(log.errors, []);
        await page.close();
    }
});

test('a large desktop screen: a larger picture, no touch controls, a gamepad plays', async () => {
    const { page, log } = await open(site.browser, site.server.url, {
        width: 1920,
        height: 1080,
        deviceScaleFactor: 1,
    });
    await framesReach(page, 3);
    const l = await page.evaluate(layout);
    assertPictureFits(l, '1920×1080');
    assert.ok(l.pixels[0] > 700 && l.pixels[1] > 500, `picture of ${l.pixels}`);
    assert.deepEqual(l.buttons, []);
    // A smaller window of a denser screen: the picture follows.
    await page.setViewport({ width: 1000, height: 600, deviceScaleFactor: 1.5 });
    await waitFrames(page, 2);
    const smaller = await page.evaluate(layout);
    assertPictureFits(smaller, '1000×600 at 1.5');
    assert.ok(smaller.canvas.right - smaller.canvas.left < 1000 * 0.9);
    await page.setViewport({ width: 1920, height: 1080, deviceScaleFactor: 1 });
    await waitFrames(page, 2);

    // A stand-in gamepad of the standard mapping: B thrusts, the left stick with the right
    // trigger turns while thrusting, A fires once a press however long it is held.
    await page.evaluate(() => {
        const button = () => ({ pressed: false, value: 0 });
        window.pad = {
            mapping: 'standard',
            buttons: Array.from({ length: 17 }, button),
            axes: [0, 0, 0, 0],
        };
        navigator.getGamepads = () => [null, window.pad];
    });
    const set = (change) => page.evaluate(change);
    await set(() => Object.assign(pad.buttons[1], { pressed: true, value: 1 }));
    await waitFrames(page, 2);
    const thrusting = await nextPicture(page);
    assert.ok(thrusting.red > 10 && thrusting.flameFrom[1] < -5, 'B thrusts');
    await set(() => {
        Object.assign(pad.buttons[1], { pressed: false, value: 0 });
        Object.assign(pad.buttons[7], { pressed: false, value: 0.9 });
        pad.axes[0] = -1;
    });
    await waitFrames(page, 26);
    const turned = await nextPicture(page);
    assert.ok(turned.red > 10 && turned.flameFrom[0] > 5, `turned: ${turned.flameFrom}`);
    await set(() => {
        pad.buttons[7].value = 0;
        pad.axes[0] = 0;
        pad.buttons[0].pressed = true;
    });
    await waitFrames(page, 6);
    await set(() => (pad.buttons[0].pressed = false));
    await waitFrames(page, 2);
    const fired = await nextPicture(page);
    assert.equal(fired.red, 0);
    assert.equal(await liveBullets(page), 1, 'one shot from a held A');

    assert.deepEqual(log.errors, []);
    await page.close();
});
