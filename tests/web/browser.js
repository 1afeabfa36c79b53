// What the page's tests and the frame-rate script share: the built page served on the loopback,
// and Debian's Chromium, headless, with software WebGL.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');

const repository = path.resolve(__dirname, '../..');
const puppeteer = require(path.join(__dirname, 'node_modules/puppeteer-core'));

const types = {
    '.html': 'text/html',
    '.js': 'text/javascript',
    '.css': 'text/css',
    '.wasm': 'application/wasm',
    '.png': 'image/png',
    '.webmanifest': 'application/manifest+json',
};

// Serves a folder on 127.0.0.1 at a port the system chooses, until close() drops every
// connection, as a server gone away would.
function serve(root) {
    const server = http.createServer((request, response) => {
        const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
        let file = path.join(root, name);
        if (!file.startsWith(root)) {
            response.writeHead(403).end();
            return;
        }
        if (name.endsWith('/')) file = path.join(file, 'index.html');
        fs.readFile(file, (error, data) => {
            if (error) {
                response.writeHead(404).end();
                return;
            }
            const type = types[path.extname(file)] || 'application/octet-stream';
            response.writeHead(200, { 'Content-Type': type });
            response.end(data);
        });
    });
    return new Promise((resolve) => {
        server.listen(0, '127.0.0.1', () => {
            const url = `http://127.0.0.1:${server.address().port}/`;
            const close = () => {
                server.close();
                server.closeAllConnections();
            };
            resolve({ url, close });
        });
    });
}

// Chromium, with more switches if given (--disable-webgl, say).
function launch(switches = []) {
    const profile = fs.mkdtempSync(path.join(require('os').tmpdir(), 'corvexa-chromium-'));
    return puppeteer
        .launch({
            executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
            headless: 'new',
            args: [
                '--no-sandbox',
                '--use-gl=angle',
                '--use-angle=swiftshader',
                '--enable-unsafe-swiftshader',
                '--disable-quic',
                '--no-first-run',
                '--disable-background-networking',
                '--disable-component-update',
                '--disable-sync',
                // Frames keep coming to a page that no one looks at.
                '--disable-background-timer-throttling',
                '--disable-renderer-backgrounding',
                `--user-data-dir=${profile}`,
                ...switches,
            ],
        })
        .then((browser) => {
            browser.on('disconnected', () => {
                try {
                    fs.rmSync(profile, { recursive: true, force: true, maxRetries: 5 });
                } catch (error) {
                    // Chromium may still be writing its profile; the folder is a temporary one.
                }
            });
            return browser;
        });
}

const buildDir = path.resolve(repository, process.env.CORVEXA_WEB_BUILD || 'build/web');
// The folder to publish: the page's files and nothing else.
const siteDir = path.join(buildDir, 'site');

// The folder to publish served, and Chromium launched, before a file's tests; both gone after.
function siteAndBrowser(switches = []) {
    const { before, after } = require('node:test');
    const site = {};
    before(async () => {
        site.server = await serve(siteDir);
        site.browser = await launch(switches);
    });
    after(async () => {
        await site.browser.close();
        site.server.close();
    });
    return site;
}

module.exports = { repository, buildDir, siteDir, serve, launch, siteAndBrowser };
