// The folder to publish and what a user gets from it: the page's files alone, within their size,
// installable, offline after one visit, and a page that says what is wrong when it cannot draw.
'use strict';
const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const fs = require('fs');
const os = require('os');
const path = require('path');
const zlib = require('zlib');
const { siteDir, serve, launch } = require('./browser.js');
const { open, framesReach, nextPicture } = require('./scene.js');

// The files the service worker keeps for playing offline ('./' is index.html), the shipped
// scenes among them, which must be the whole folder but the worker itself.
function keptOffline() {
    const worker = fs.readFileSync(path.join(siteDir, 'service-worker.js'), 'utf8');
    const list = worker.match(/const files = (\[[^\]]*\])/)[1].replace(/'/g, '"');
    const files = JSON.parse(list.replace(/,\s*\]/, ']'));
    return files.map((file) => (file === './' ? 'index.html' : file));
}
const viewport = { width: 716, height: 600, deviceScaleFactor: 1 };

let browser;
const servers = [];

before(async () => {
    browser = await launch();
});

after(async () => {
    await browser.close();
    for (const server of servers) server.close();
});

// A folder served until the tests end, or until the test closes it.
async function served(folder) {
    const server = await serve(folder);
    servers.push(server);
    return server;
}

// A PNG's width and height, once its pixels inflate to as many bytes as they should.
function pngSize(file) {
    const png = fs.readFileSync(path.join(siteDir, file));
    const [w, h] = [png.readUInt32BE(16), png.readUInt32BE(20)];
    const chunks = [];
    for (let at = 8; at < png.length; at += 12 + png.readUInt32BE(at)) {
        if (png.toString('latin1', at + 4, at + 8) === 'IDAT') {
            chunks.push(png.subarray(at + 8, at + 8 + png.readUInt32BE(at)));
        }
    }
    assert.equal(zlib.inflateSync(Buffer.concat(chunks)).length, h * (1 + 4 * w), file);
    return `${w}x${h}`;
}

test('the folder to publish: the page, installable, nothing of the build, within its size', () => {
    const files = fs
        .readdirSync(siteDir, { recursive: true })
        .filter((file) => fs.statSync(path.join(siteDir, file)).isFile())
        .sort();
    assert.deepEqual(files, [...keptOffline(), 'service-worker.js'].sort());
    assert.ok(!files.some((file) => /cmake|make|\.a$|\.o$|test/i.test(file)), `${files}`);
    let [raw, gzipped] = [0, 0];
    for (const file of ['corvexa.js', 'corvexa.wasm']) {
        const data = fs.readFileSync(path.join(siteDir, file));
        raw += data.length;
        gzipped += zlib.gzipSync(data, { level: 9 }).length;
    }
    // What a user waits for is the gzipped size; the raw one grew by 20 KB with CLI11's option
    // parser, which reports its errors by exceptions it catches.
    assert.ok(raw <= 640 * 1024, `${raw} bytes`);
    assert.ok(gzipped <= 200 * 1024, `${gzipped} bytes gzipped`);

    // The page names its manifest and favicon; the manifest its app icons. Its footer names the
    // project's version.
    const page = fs.readFileSync(path.join(siteDir, 'index.html'), 'utf8');
    assert.match(page, new RegExp(`<footer class="about">Corvexa ${process.env.CORVEXA_VERSION}<`));
    const linked = (rel) => page.match(new RegExp(`<link rel="${rel}" href="([^"]+)"`))[1];
    assert.equal(pngSize(linked('icon')), '32x32');
    const manifest = JSON.parse(fs.readFileSync(path.join(siteDir, linked('manifest')), 'utf8'));
    assert.equal(manifest.short_name, 'Corvexa');
    assert.match(manifest.name, /Corvexa/);
    assert.equal(manifest.display, 'standalone');
    assert.equal(manifest.start_url, './');
    assert.match(manifest.background_color, /^#[0-9a-f]{6}$/);
    assert.match(manifest.theme_color, /^#[0-9a-f]{6}$/);
    const icons = manifest.icons.map((icon) => [icon.sizes, pngSize(icon.src)]);
    assert.deepEqual(icons, [
        ['192x192', '192x192'],
        ['512x512', '512x512'],
    ]);
});

test('offline after one visit, and a new build taken at the next visit online', async () => {
    // A copy of the folder, to publish a new build into.
    const copy = fs.mkdtempSync(path.join(os.tmpdir(), 'corvexa-site-'));
    fs.cpSync(siteDir, copy, { recursive: true });
    const server = await served(copy);
    const { page, log } = await open(browser, server.url, viewport);
    await framesReach(page, 2);
    await page.evaluate(() => navigator.serviceWorker.ready);

    // A new build published: the next visit takes it.
    const built = () => page.evaluate(() => document.getElementById('built-again') !== null);
    const index = path.join(copy, 'index.html');
    fs.writeFileSync(
        index,
        fs.readFileSync(index, 'utf8').replace('</main>', '<p id="built-again"></p></main>'),
    );
    await page.reload();
    await framesReach(page, 2);
    assert.equal(await built(), true);

    // The server gone, the page loads from its copy, plays and draws the Earth.
    server.close();
    await assert.rejects(fetch(server.url));
    await page.reload();
    await framesReach(page, 5);
    assert.equal(await built(), true);
    assert.ok((await nextPicture(page)).blueShare > 0.25);
    assert.deepEqual(log.exceptions, []);
    await page.close();
    fs.rmSync(copy, { recursive: true, force: true });
});

test('a lost WebGL context comes back, with the world where it was', async () => {
    const server = await served(siteDir);
    const { page, log } = await open(browser, server.url, viewport);
    await framesReach(page, 5);
    await page.evaluate(() => {
        window.before = true;
        window.lose = Module.canvas.getContext('webgl').getExtension('WEBGL_lose_context');
        lose.loseContext();
    });
    // No frame while the context is gone: the world waits.
    await page.waitForFunction(() => Module.canvas.getContext('webgl').isContextLost());
    const framesThen = await page.evaluate(() => window.corvexa.frames);
    await page.evaluate(async () => {
        for (let i = 0; i < 10; i++) await new Promise(requestAnimationFrame);
    });
    assert.equal(await page.evaluate(() => window.corvexa.frames), framesThen);

    await page.evaluate(() => lose.restoreContext());
    await framesReach(page, framesThen + 3);
    const picture = await nextPicture(page);
    assert.ok(picture.blueShare > 0.25, `blue share ${picture.blueShare}`);
    assert.equal(await page.evaluate(() => window.before), true, 'the page was loaded again');
    assert.deepEqual(log.errors, []);
    await page.close();
});

test('without WebGL the page says so in place of the picture', async () => {
    const noWebGL = await launch(['--disable-webgl', '--disable-3d-apis']);
    try {
        const server = await served(siteDir);
        const { page, log } = await open(noWebGL, server.url, viewport);
        const message = await page.waitForSelector('#no-webgl:not([hidden])');
        assert.match(await message.evaluate((e) => e.textContent), /needs WebGL[^]*reload/);
        assert.equal(await page.$eval('#canvas', (c) => c.hidden), true);
        const box = await message.boundingBox();
        assert.ok(box.width > 200 && box.y < viewport.height, 'the message where the picture is');
        assert.deepEqual(log.exceptions, []);
    } finally {
        await noWebGL.close();
    }
});
