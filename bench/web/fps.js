// Frame rates of the page in Debian's headless Chromium with software WebGL: the world as the
// program builds it, the world crowded with 1 000 and 10 000 live debris objects (bench/web),
// and a scene of 10 000 objects opened from a #scene= link, with how much later its first
// frame comes than the plain page's. Also the pace against the window's rule (a frame whose work takes c ms lasts
// c + 35 ms), the draws per frame, how busy the page's main thread is, and the download's size.
// Not a test:
//
//   cmake --build --preset web --target corvexa_site corvexa_crowded
//   node bench/web/fps.js [seconds]
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { buildDir, siteDir, serve, launch } = require('../../tests/web/browser.js');

const seconds = Number(process.argv[2] || 10);

// 10 000 Starlink bodies by state, a line each, 450 km apart on rings 2 000 km apart from
// 10 000 km out: none touches while it is measured, so the count holds.
function tenThousandScene() {
    const mu = 3.986004418e14; // the world's own, from g0 and the Earth's radius, near enough
    const lines = ['corvexa-scene 1', 'title Ten thousand by state', 'ship none'];
    for (let r = 10000; lines.length < 10003; r += 2000) {
        const onRing = Math.min(10003 - lines.length, Math.floor((2 * Math.PI * r) / 450));
        const speed = Math.sqrt(mu / (r * 1000));
        for (let k = 0; k < onRing; k++) {
            const a = (2 * Math.PI * k) / onRing;
            lines.push(`starlink-body at ${(r * Math.sin(a)).toFixed(3)} ` +
                `${(r * Math.cos(a)).toFixed(3)} velocity ${(speed * Math.cos(a)).toFixed(3)} ` +
                `${(-speed * Math.sin(a)).toFixed(3)}`);
        }
    }
    return lines.join('\n') + '\n';
}

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

function mean(values) {
    return values.reduce((sum, value) => sum + value, 0) / values.length;
}

function kilobytesOf(bytes) {
    return `${(bytes / 1024).toFixed(0)} KB`;
}

// A page with each display refresh's start and its first frame's time kept.
async function timedPage(browser, url) {
    const page = await browser.newPage();
    await page.setViewport({ width: 800, height: 600 });
    // When each display refresh's callbacks start, so that a frame's work is timed from there.
    await page.evaluateOnNewDocument(() => {
        const request = window.requestAnimationFrame.bind(window);
        window.requestAnimationFrame = (callback) =>
            request((time) => {
                window.callbackStart = performance.now();
                callback(time);
                if (!window.firstFrameAt && window.corvexa && window.corvexa.frames >= 1) {
                    window.firstFrameAt = performance.now();
                }
            });
    });
    await page.goto(url);
    return page;
}

// When the first frame was drawn, in ms from the page's navigation, the median of three.
async function firstFrame(browser, url) {
    const times = [];
    for (let n = 0; n < 3; n++) {
        const page = await timedPage(browser, url);
        await page.waitForFunction(() => window.firstFrameAt, { timeout: 120000 });
        times.push(await page.evaluate(() => window.firstFrameAt));
        await page.close();
    }
    return median(times);
}

async function measure(browser, url, warmFrames) {
    const page = await timedPage(browser, url);
    await page.waitForFunction((n) => window.corvexa.frames >= n, { timeout: 120000 }, warmFrames);
    await page.evaluate(() => {
        const drawn = Module.onFrameDrawn;
        window.bench = { times: [], work: [], draws: [] };
        Module.onFrameDrawn = (drawCalls) => {
            drawn(drawCalls);
            // The time stamp of the display refresh the frame ran in, and its work.
            window.bench.times.push(document.timeline.currentTime);
            window.bench.work.push(performance.now() - window.callbackStart);
            window.bench.draws.push(drawCalls);
        };
    });
    const before = await page.metrics();
    await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
    const after = await page.metrics();
    const { times, work, draws } = await page.evaluate(() => window.bench);
    await page.close();

    // Frames in each whole second from the first frame on.
    const perSecond = [];
    for (let s = 0; s < Math.floor((times[times.length - 1] - times[0]) / 1000); s++) {
        const start = times[0] + s * 1000;
        perSecond.push(times.filter((t) => t >= start && t < start + 1000).length);
    }
    const busy = (after.TaskDuration - before.TaskDuration) / (after.Timestamp - before.Timestamp);
    const gaps = times.slice(1).map((t, i) => t - times[i]);
    // What the window would take for the same work, frame by frame.
    const windowLength = work.slice(0, -1).map((c) => (c < 33 ? c + 35 : c));
    return {
        fps: (1000 * gaps.length) / (times[times.length - 1] - times[0]),
        perSecond,
        work: mean(work),
        pace: mean(gaps) / mean(windowLength),
        draws: median(draws),
        busy,
        gaps,
    };
}

(async () => {
    const server = await serve(buildDir);
    const browser = await launch();
    const gl = await (async () => {
        const page = await browser.newPage();
        const renderer = await page.evaluate(() => {
            const c = document.createElement('canvas').getContext('webgl');
            const info = c.getExtension('WEBGL_debug_renderer_info');
            return c.getParameter(info ? info.UNMASKED_RENDERER_WEBGL : c.RENDERER);
        });
        await page.close();
        return renderer;
    })();
    console.log(`${gl}, ${seconds} s each`);
    const scene = tenThousandScene();
    const sceneLink = `#scene=${zlib.deflateRawSync(scene).toString('base64url')}`;
    for (const [name, url] of [
        ['default world', server.url + 'site/'],
        ['1 000 live debris', server.url + 'bench/?debris=1000'],
        ['10 000 live debris', server.url + 'bench/?debris=10000'],
        [`10 000-object scene (${kilobytesOf(scene.length)}, link ${kilobytesOf(sceneLink.length)})`,
            server.url + 'site/' + sceneLink],
    ]) {
        const r = await measure(browser, url, 30);
        const off = (r.pace - 1) * 100;
        const pace = `${Math.abs(off).toFixed(1)}% ${off < 0 ? 'shorter than' : 'longer than'}`;
        console.log(
            `${name}: ${r.fps.toFixed(2)} frames/s (per second: ${r.perSecond.join(' ')}), ` +
                `work c ${r.work.toFixed(1)} ms a frame, frames ${pace} the window's c + 35 ms, ` +
                `${r.draws} draws a frame, main thread ` +
                `${(r.busy * 100).toFixed(0)}% busy, frames ${Math.min(...r.gaps).toFixed(1)} to ` +
                `${Math.max(...r.gaps).toFixed(1)} ms apart`,
        );
    }
    const later = (await firstFrame(browser, server.url + 'site/' + sceneLink)) -
        (await firstFrame(browser, server.url + 'site/'));
    console.log(`10 000-object scene: its first frame ${later.toFixed(0)} ms after the plain ` +
        `page's (medians of three loads)`);
    await browser.close();
    server.close();

    let raw = 0;
    let gzipped = 0;
    for (const file of ['corvexa.js', 'corvexa.wasm']) {
        const data = fs.readFileSync(path.join(siteDir, file));
        raw += data.length;
        gzipped += zlib.gzipSync(data, { level: 9 }).length;
    }
    console.log(`download: corvexa.js + corvexa.wasm ${kilobytesOf(raw)}, ` +
        `gzipped ${kilobytesOf(gzipped)}`);
})();
