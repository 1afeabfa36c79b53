// The README's picture of the page: headless Chromium, software WebGL, a few seconds in.
//
//   node tools/web/screenshot.js docs/web.png
'use strict';
const { buildDir, serve, launch } = require('../../tests/web/browser.js');

(async () => {
    const server = await serve(buildDir);
    const browser = await launch();
    const page = await browser.newPage();
    await page.setViewport({ width: 740, height: 640 });
    await page.goto(server.url + (process.argv[3] || ''));
    await page.waitForFunction(() => window.corvexa.frames >= 90, { timeout: 60000 });
    await page.screenshot({ path: process.argv[2] || 'web.png' });
    await browser.close();
    server.close();
})();
