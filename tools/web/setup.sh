# shellcheck shell=sh
# Sourced by tools/setup: the browser. Emscripten from Debian builds the page into build/web,
# and the folder to publish, the page's files alone, into build/web/site; the unit tests run
# under node, the page in Debian's headless Chromium, driven by
# puppeteer-core from npm (tests/web/package.json, installed by tools/web/npm-packages). What
# this file declares: web_packages, web_build and web_serve, each function taking what it needs
# as arguments.
# The icon drawer is built for this machine, with its own compiler and libpng.
# shellcheck disable=SC2034 # read by tools/setup, which sources this file
web_packages="cmake make g++ libcli11-dev libpng-dev emscripten googletest chromium python3"

# web_build JOBS: the page, and the npm packages of its tests and frame-rate script.
web_build() {
    cmake --preset web
    cmake --build --preset web -j "$1" --target corvexa_site
    # Debian's node has no npm of its own; a node that brings one needs nothing more.
    command -v npm >/dev/null 2>&1 || install_missing npm
    tools/web/npm-packages
    echo "Built build/web/site: the page, the program, its icons, manifest and service worker"
}

# web_serve PORT: the folder to publish, and nothing else of the build.
web_serve() {
    echo "Corvexa is at http://127.0.0.1:$1/ (Ctrl-C stops the server)."
    echo "build/web/site can be copied as it is to any static web server."
    exec python3 -m http.server "$1" --bind 127.0.0.1 --directory build/web/site
}
