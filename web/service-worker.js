// Keeps a copy of the page's files so that the page loads and plays offline after one visit.
// Online, every file comes from the server first, so a new build is taken at the next visit;
// the copy answers only when the server cannot.
'use strict';
const cacheName = 'corvexa';
// Past the browser's own cache, which may hold a file of the last build for a while.
const fresh = { cache: 'no-cache' };
const files = [
    './',
    'page.js',
    'replay.js',
    'explore.js',
    'scenes.js',
    'page.css',
    'corvexa.js',
    'corvexa.wasm',
    'manifest.webmanifest',
    'icon-32.png',
    'icon-192.png',
    'icon-512.png',@corvexa_scene_files@
];

self.addEventListener('install', (event) => {
    event.waitUntil(
        caches
            .open(cacheName)
            .then((cache) => cache.addAll(files.map((file) => new Request(file, fresh))))
            .then(() => self.skipWaiting()),
    );
});

self.addEventListener('activate', (event) => {
    event.waitUntil(self.clients.claim());
});

self.addEventListener('fetch', (event) => {
    const request = event.request;
    if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
    event.respondWith(
        // By its address alone: a navigation's own request cannot be sent with other options.
        fetch(request.url, fresh)
            .then((response) => {
                if (response.ok) {
                    const copy = response.clone();
                    caches.open(cacheName).then((cache) => cache.put(request, copy));
                }
                return response;
            })
            .catch(() =>
                caches
                    .match(request, { ignoreSearch: true })
                    .then((kept) => kept || (request.mode === 'navigate' && caches.match('./')))
                    .then((kept) => kept || Response.error()),
            ),
    );
});
