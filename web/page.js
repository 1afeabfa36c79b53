// The page around the program: its arguments and output, the picture's size and the canvas's
// focus, the touch controls and the gamepad, and the copy kept for playing offline.
(function () {
    'use strict';
    var root = document.documentElement;
    var canvas = document.getElementById('canvas');
    var picture = canvas.parentElement;
    var report = document.getElementById('report');
    var module = document.currentScript.dataset.module;
    // ?test runs the self-check alone, as --test does on the desktop.
    var selfCheckOnly = new URLSearchParams(location.search).has('test');

    // What the tests and the benchmark read: frames drawn and the draws of the last one.
    var stats = (window.corvexa = { frames: 0, drawCalls: 0 });

    function print(text) {
        window.corvexaReplayLine(text);
        console.log(text);
        report.textContent += text + '\n';
    }

    window.Module = {
        canvas: canvas,
        arguments: ['--test'],
        print: print,
        // What goes wrong shows in the report too.
        printErr: function (text) {
            window.corvexaErrorLine(text);
            console.error(text);
            report.textContent += text + '\n';
        },
        onFrameDrawn: function (drawCalls) {
            stats.frames += 1;
            stats.drawCalls = drawCalls;
            if (stats.frames === 1) window.corvexaExploreStarted();
        },
        onNoWebGL: function () {
            canvas.hidden = true;
            document.getElementById('no-webgl').hidden = false;
        },
    };
    if (selfCheckOnly) {
        document.getElementById('report-block').open = true;
    }

    // The program starts once its arguments are known: a replay in the address is unpacked
    // first; any other session is recorded. Either has the explore controls (explore.js).
    (selfCheckOnly ? Promise.resolve(['--test']) : window.corvexaReplayArguments()).then(
        function (args) {
            Module.arguments = selfCheckOnly ? args : ['--explore'].concat(args);
            var script = document.createElement('script');
            script.src = module;
            document.body.appendChild(script);
        },
    );

    // The picture as large as its box allows at the window's 7:5, in whole device pixels and at
    // a whole device pixel, so that the program's drawing buffer (graphics/webWindow.cpp, the
    // canvas's size times the pixel ratio) lands on the screen's pixels unscaled.
    var shape = [7, 5]; // the window's 700 by 500
    function fit() {
        var ratio = window.devicePixelRatio || 1;
        var box = picture.getBoundingClientRect();
        var unit = Math.min((box.width * ratio) / shape[0], (box.height * ratio) / shape[1]);
        unit = Math.max(1, Math.floor(unit));
        var across = (shape[0] * unit) / ratio;
        var down = (shape[1] * unit) / ratio;
        var atTop = getComputedStyle(picture).alignItems === 'flex-start';
        var snap = function (start, room, size) {
            return Math.round((start + (room - size) / 2) * ratio) / ratio - start;
        };
        canvas.style.width = across + 'px';
        canvas.style.height = down + 'px';
        canvas.style.left = snap(box.left, box.width, across) + 'px';
        canvas.style.top = (atTop ? 0 : snap(box.top, box.height, down)) + 'px';
    }
    new ResizeObserver(fit).observe(picture);
    // A zoom or a screen of another density changes the pixel ratio alone.
    (function watchRatio() {
        matchMedia('(resolution: ' + devicePixelRatio + 'dppx)').addEventListener(
            'change',
            function () {
                fit();
                watchRatio();
            },
            { once: true },
        );
    })();

    // The keys go to the canvas: it has the focus from the start and after every click.
    canvas.focus();
    canvas.addEventListener('mousedown', function (event) {
        event.preventDefault();
        canvas.focus();
    });

    // The touch controls show on a touch screen, and go once a mouse is used.
    function showTouchControls(show) {
        root.classList.toggle('touch', show);
    }
    showTouchControls(matchMedia('(pointer: coarse)').matches);
    addEventListener(
        'pointerdown',
        function (event) {
            showTouchControls(event.pointerType !== 'mouse');
        },
        true,
    );

    // The touch controls and the gamepad press the program's keys on the canvas, as the keyboard
    // does; a key held by several of them is let go when the last one lets go.
    var holders = {};
    function send(type, code) {
        var key = code === 'Space' ? ' ' : code;
        canvas.dispatchEvent(new KeyboardEvent(type, { code: code, key: key, bubbles: true }));
    }
    function press(code) {
        holders[code] = (holders[code] || 0) + 1;
        if (holders[code] === 1) send('keydown', code);
    }
    function release(code) {
        if (!holders[code]) return;
        holders[code] -= 1;
        if (holders[code] === 0) send('keyup', code);
    }

    // Each finger holds the button it came down on until it lifts or slides off, any number of
    // fingers at once; Fire is one shot a tap, as the space bar is one a press.
    var fingers = {};
    function letGo(pointerId) {
        var button = fingers[pointerId];
        if (!button) return;
        delete fingers[pointerId];
        button.classList.toggle('held', Object.values(fingers).indexOf(button) >= 0);
        release(button.dataset.code);
    }
    document.querySelectorAll('.pad button').forEach(function (button) {
        button.addEventListener('pointerdown', function (event) {
            // No focus moves and no mouse events follow: the canvas keeps the keys.
            event.preventDefault();
            // A finger is held by the button it touched; released, it is heard sliding off.
            if (button.hasPointerCapture(event.pointerId)) {
                button.releasePointerCapture(event.pointerId);
            }
            letGo(event.pointerId);
            fingers[event.pointerId] = button;
            button.classList.add('held');
            press(button.dataset.code);
        });
        ['pointerup', 'pointercancel', 'pointerleave'].forEach(function (type) {
            button.addEventListener(type, function (event) {
                letGo(event.pointerId);
            });
        });
        button.addEventListener('contextmenu', function (event) {
            event.preventDefault();
        });
    });
    // A page that is left hears no fingers lift.
    function letGoOfEverything() {
        Object.keys(fingers).forEach(letGo);
    }
    addEventListener('blur', letGoOfEverything);
    document.addEventListener('visibilitychange', function () {
        if (document.hidden) letGoOfEverything();
    });

    // A gamepad of the standard mapping: the d-pad or the left stick turns, the right trigger or
    // B thrusts, A fires once a press. Read at every display refresh.
    var padHolds = {};
    function isDown(button) {
        return !!button && (button.pressed || button.value > 0.5);
    }
    function readGamepads() {
        var wanted = { ArrowLeft: false, ArrowRight: false, ArrowDown: false, Space: false };
        var pads = [];
        // A page in another site's frame may be refused the gamepads: it plays without them.
        try {
            pads = navigator.getGamepads ? navigator.getGamepads() : [];
        } catch (error) {
            return;
        }
        for (var i = 0; i < pads.length; i++) {
            var pad = pads[i];
            if (!pad || pad.mapping !== 'standard') continue;
            var b = pad.buttons;
            var stick = pad.axes[0] || 0;
            wanted.ArrowLeft = wanted.ArrowLeft || isDown(b[14]) || stick < -0.5;
            wanted.ArrowRight = wanted.ArrowRight || isDown(b[15]) || stick > 0.5;
            wanted.ArrowDown = wanted.ArrowDown || isDown(b[7]) || isDown(b[1]);
            wanted.Space = wanted.Space || isDown(b[0]);
        }
        Object.keys(wanted).forEach(function (code) {
            if (wanted[code] === !!padHolds[code]) return;
            padHolds[code] = wanted[code];
            (wanted[code] ? press : release)(code);
        });
        requestAnimationFrame(readGamepads);
    }
    requestAnimationFrame(readGamepads);

    // Offline play after the first visit; a page served without the worker plays all the same.
    if ('serviceWorker' in navigator) {
        navigator.serviceWorker.register('service-worker.js').catch(function (error) {
            console.warn('No offline copy: ' + error.message);
        });
    }
})();
