// Frame rates of the page in Debian's headless Chromium with software WebGL: the world as the
// program builds it, and the world crowded with 1 000 live debris objects (bench/web). Also the
// draws per frame, how busy the page's main thread is, and the download's size. Not a test:
//
//   cmake --build --preset web --target corvexa corvexa_crowded && node bench/web/fps.js [seconds]
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { buildDir, serve, launch } = require('../../tests/web/browser.js');

const seconds = Number(process.argv[2] || 10);

function median(values) {
    const sorted = [...values].sort((a, b) => a - b);
    return sorted[Math.floor(sorted.length / 2)];
}

async function measure(browser, url, warmFrames) {
    const page = await browser.newPage();
    await page.setViewport({ width: 800, height: 600 });
    await page.goto(url);
    await page.waitForFunction((n) => window.corvexa.frames >= n, { timeout: 120000 }, warmFrames);
    await page.evaluate(() => {
        const drawn = Module.onFrameDrawn;
        window.bench = { times: [], draws: [] };
        Module.onFrameDrawn = (drawCalls) => {
            drawn(drawCalls);
            // The time stamp of the display refresh the frame was drawn in.
            window.bench.times.push(document.timeline.currentTime);
            window.bench.draws.push(drawCalls);
        };
    });
    const before = await page.metrics();
    await new Promise((resolve) => setTimeout(resolve, seconds * 1000));
    const after = await page.metrics();
    const { times, draws } = await page.evaluate(() => window.bench);
    await page.close();

    // Frames in each whole second from the first frame on.
    const perSecond = [];
    for (let s = 0; s < Math.floor((times[times.length - 1] - times[0]) / 1000); s++) {
        const start = times[0] + s * 1000;
        perSecond.push(times.filter((t) => t >= start && t < start + 1000).length);
    }
    const busy = (after.TaskDuration - before.TaskDuration) / (after.Timestamp - before.Timestamp);
    const gaps = times.slice(1).map((t, i) => t - times[i]);
    return { fps: median(perSecond), perSecond, draws: median(draws), busy, gaps };
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
        ['default world', server.url],
        ['1 000 live debris', server.url + 'bench/'],
    ]) {
        const r = await measure(browser, url, 30);
        console.log(
            `${name}: median ${r.fps} frames/s (per second: ${r.perSecond.join(' ')}), ` +
                `${r.draws} draws a frame, main thread ${(r.busy * 100).toFixed(0)}% busy, ` +
            `frames ${Math.min(...r.gaps).toFixed(1)} to ${Math.max(...r.gaps).toFixed(1)} ms ` +
            'apart',
        );
    }
    await browser.close();
    server.close();

    let raw = 0;
    let gzipped = 0;
    for (const file of ['corvexa.js', 'corvexa.wasm']) {
        const data = fs.readFileSync(path.join(buildDir, file));
        raw += data.length;
        gzipped += zlib.gzipSync(data, { level: 9 }).length;
    }
    const kilobytes = (bytes) => `${(bytes / 1024).toFixed(0)} KB`;
    console.log(`download: corvexa.js + corvexa.wasm ${kilobytes(raw)}, ` +
        `gzipped ${kilobytes(gzipped)}`);
})();
