// Frame rates of the page in Debian's headless Chromium with software WebGL: the world as the
// program builds it, and the world crowded with 1 000 and 10 000 live debris objects
// (bench/web). Also the pace against the window's rule (a frame whose work takes c ms lasts
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

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

function mean(values) {
    return values.reduce((sum, value) => sum + value, 0) / values.length;
}

async function measure(browser, url, warmFrames) {
    const page = await browser.newPage();
    await page.setViewport({ width: 800, height: 600 });
    // When each display refresh's callbacks start, so that a frame's work is timed from there.
    await page.evaluateOnNewDocument(() => {
        const request = window.requestAnimationFrame.bind(window);
        window.requestAnimationFrame = (callback) =>
            request((time) => {
                window.callbackStart = performance.now();
                callback(time);
            });
    });
    await page.goto(url);
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
    for (const [name, url] of [
        ['default world', server.url + 'site/'],
        ['1 000 live debris', server.url + 'bench/?debris=1000'],
        ['10 000 live debris', server.url + 'bench/?debris=10000'],
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
    await browser.close();
    server.close();

    let raw = 0;
    let gzipped = 0;
    for (const file of ['corvexa.js', 'corvexa.wasm']) {
        const data = fs.readFileSync(path.join(siteDir, file));
        raw += data.length;
        gzipped += zlib.gzipSync(data, { level: 9 }).length;
    }
    const kilobytes = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;
    console.log(`download: corvexa.js + corvexa.wasm ${kilobytes(raw)}, ` +
        `gzipped ${kilobytes(gzipped)}`);
})();
