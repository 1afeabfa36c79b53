// The README's pictures of the page: headless Chromium, software WebGL, a few seconds in; on a
// desktop window, or on a phone held upright, with its touch controls.
//
//   node tools/web/screenshot.js docs/web.png
//   node tools/web/screenshot.js docs/web-phone.png phone
'use strict';
const { siteDir, serve, launch } = require('../../tests/web/browser.js');

const screens = {
    desktop: { width: 900, height: 720, deviceScaleFactor: 1 },
    phone: { width: 390, height: 844, deviceScaleFactor: 2, isMobile: true, hasTouch: true },
};

(async () => {
    const screen = screens[process.argv[3] || 'desktop'];
    const server = await serve(siteDir);
    const browser = await launch();
    const page = await browser.newPage();
    await page.setViewport(screen);
    await page.goto(server.url);
    await page.waitForFunction(() => window.corvexa.frames >= 90, { timeout: 60000 });
    await page.screenshot({ path: process.argv[2] || 'web.png' });
    await browser.close();
    server.close();
})();
