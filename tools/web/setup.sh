# Sourced by tools/setup: the browser. Emscripten from Debian builds the page into build/web;
# the unit tests run under node, the page in Debian's headless Chromium, driven by
# puppeteer-core from npm (tools/web/package.json, installed into tools/web/node_modules).
web_packages="cmake make emscripten googletest chromium python3"

# Debian's node has no npm of its own; a node that brings one needs nothing more.
web_npm() {
    [ -d tools/web/node_modules/puppeteer-core ] && return 0
    command -v npm >/dev/null 2>&1 || install_missing npm
    # Chromium is Debian's: puppeteer must not fetch a browser of its own.
    (cd tools/web && PUPPETEER_SKIP_DOWNLOAD=1 npm ci --no-audit --no-fund)
}

web_build() {
    cmake --preset web
    cmake --build --preset web -j "$jobs" --target corvexa
    echo "Built build/web: index.html, corvexa.js, corvexa.wasm"
}

web_test() {
    web_npm
    cmake --build --preset web -j "$jobs"
    node build/web/tests/corvexa_tests.js --gtest_brief=1
    node --test tests/web/
}

web_serve() {
    port=${CORVEXA_WEB_PORT:-8000}
    echo "Corvexa is at http://127.0.0.1:$port/ (Ctrl-C stops the server)."
    echo "build/web can be copied as it is to any static web server."
    exec python3 -m http.server "$port" --bind 127.0.0.1 --directory build/web
}
