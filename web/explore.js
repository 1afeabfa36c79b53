// The page's explore controls around the program: buttons for the time controls and the views,
// the figures as text beside or under the picture, break-ups said in a polite live region, and
// a replay's scrubber. The program keeps the state; the page reads it a few times a second.
(function () {
    'use strict';
    // window/keys.h's Command, in its order: the program takes a command by its place.
    var commands = ['pause', 'step', 'slower', 'faster', 'figures', 'trails', 'newWorld',
        'toStart', 'back', 'forward'];
    var readEvery = 250; // milliseconds
    // At most one summary of the break-ups in this time, so that a cascade is not a torrent.
    var announceEvery = 4000; // milliseconds

    var figures = document.getElementById('figures');
    var speed = document.getElementById('speed');
    var scrubber = document.getElementById('scrubber');
    var frameInput = document.getElementById('replay-frame');
    var position = document.getElementById('replay-position');
    var progress = document.getElementById('seek-progress');
    var announcements = document.getElementById('announcements');
    var replayKeys = document.getElementById('replay-keys');
    var buttons = {};
    document.querySelectorAll('.explore button').forEach(function (button) {
        buttons[button.dataset.command] = button;
    });

    var running = false;
    var dragging = false;
    var heard = { breakUps: null, shipAlive: true, at: -Infinity, frame: 0 };

    function command(name) {
        if (running) {
            Module.ccall('corvexa_command', 'number', ['number'], [commands.indexOf(name)]);
            read();
        }
    }

    function readState() {
        return JSON.parse(Module.ccall('corvexa_state', 'string', [], []));
    }

    // Text and attributes change only when they differ, so that the page lays out no more than
    // it must and assistive technology hears no change that is none.
    function setText(element, text) {
        if (element.textContent !== text) element.textContent = text;
    }
    function setAttribute(element, name, value) {
        if (element.getAttribute(name) !== value) element.setAttribute(name, value);
    }

    function plural(count, one, many) {
        return count + ' ' + (count === 1 ? one : many);
    }

    function frameText(s) {
        return s.replayFrames > 0 ? s.frame + ' of ' + s.replayFrames : String(s.frame);
    }

    // A replay's viewer makes no new world.
    function shipLost(s) {
        return s.replayFrames > 0 ? 'destroyed' : 'destroyed: R starts a new world';
    }

    function showFigures(s) {
        figures.hidden = !s.figuresShown;
        if (!s.figuresShown) return;
        setText(document.getElementById('figure-time'), s.time);
        setText(document.getElementById('figure-frame'), frameText(s));
        setText(document.getElementById('figure-speed'), s.speed);
        ['satellites', 'parts', 'fragments', 'bullets'].forEach(function (name) {
            setText(document.getElementById('figure-' + name), String(s[name]));
        });
        setText(document.getElementById('figure-break-ups'), String(s.breakUps));
        setText(
            document.getElementById('figure-ship'),
            !s.shipAboard
                ? 'none in this scene'
                : s.shipAlive
                  ? s.shipSpeed.toFixed(2) + ' km/s, ' + s.shipHeight.toFixed(0) + ' km up'
                  : shipLost(s),
        );
    }

    function showControls(s) {
        setAttribute(buttons.pause, 'aria-pressed', String(s.paused));
        setAttribute(buttons.figures, 'aria-pressed', String(s.figuresShown));
        setAttribute(buttons.trails, 'aria-pressed', String(s.trailsShown));
        buttons.step.disabled = !s.paused;
        // A replay's worlds are its own.
        buttons.newWorld.disabled = s.replayFrames > 0;
        setText(speed, s.speed);
    }

    function showScrubber(s) {
        scrubber.hidden = s.replayFrames === 0;
        replayKeys.hidden = scrubber.hidden;
        if (scrubber.hidden) return;
        var seeking = s.seekTarget >= 0;
        setAttribute(frameInput, 'max', String(s.replayFrames));
        if (!dragging && !seeking) frameInput.value = String(Math.min(s.frame, s.replayFrames));
        progress.hidden = !seeking;
        if (seeking) {
            // Behind the frame shown, the world runs again from the start.
            progress.value = s.seekTarget > 0 ? Math.min(1, s.frame / s.seekTarget) : 1;
            setText(position, 'seeking frame ' + s.seekTarget + ': ' + s.frame + ' of ' +
                s.replayFrames);
        } else if (!dragging) {
            setText(position, 'frame ' + frameText(s));
        }
        setAttribute(frameInput, 'aria-valuetext', position.textContent);
    }

    // Break-ups since the last summary, at most one summary in announceEvery; none for what
    // a seek or a new world skips over.
    function announce(s) {
        var now = performance.now();
        var skipped = s.seekTarget >= 0 || s.frame < heard.frame || heard.breakUps === null ||
            s.breakUps < heard.breakUps;
        heard.frame = s.frame;
        if (skipped) {
            heard.breakUps = s.breakUps;
            heard.shipAlive = s.shipAlive;
            return;
        }
        var broken = s.breakUps - heard.breakUps;
        if (broken === 0 || now - heard.at < announceEvery) return;
        var text = plural(broken, 'break-up', 'break-ups') + ': ' +
            plural(s.fragments, 'fragment', 'fragments') + ' now.';
        if (heard.shipAlive && !s.shipAlive) text += ' The ship is ' + shipLost(s) + '.';
        announcements.textContent = text;
        heard.breakUps = s.breakUps;
        heard.shipAlive = s.shipAlive;
        heard.at = now;
    }

    function read() {
        if (!running) return;
        var s = readState();
        showControls(s);
        showFigures(s);
        showScrubber(s);
        announce(s);
    }

    // Once the program draws: the figures leave the canvas for the page, shown from the start,
    // where they take none of the picture.
    window.corvexaExploreStarted = function () {
        // The frame-rate benchmark's program (bench/web) has no session to explore.
        if (typeof Module._corvexa_state !== 'function') return;
        running = true;
        Object.keys(buttons).forEach(function (name) {
            buttons[name].disabled = false;
        });
        Module.ccall('corvexa_figures_outside', null, [], []);
        if (!readState().figuresShown) command('figures');
        read();
        setInterval(read, readEvery);
    };

    // A button pressed by a finger or a mouse leaves the focus, and so the keys, with the canvas;
    // from the keyboard it takes the focus as any button does.
    Object.keys(buttons).forEach(function (name) {
        buttons[name].addEventListener('pointerdown', function (event) {
            event.preventDefault();
        });
        buttons[name].addEventListener('click', function () {
            command(name);
        });
    });

    // The scrubber seeks where it is let go; while it is dragged it says where it would land.
    frameInput.addEventListener('input', function () {
        setText(position, 'frame ' + frameInput.value + ' of ' + frameInput.max);
        setAttribute(frameInput, 'aria-valuetext', position.textContent);
    });
    frameInput.addEventListener('pointerdown', function () {
        dragging = true;
    });
    frameInput.addEventListener('pointerup', function () {
        dragging = false;
    });
    frameInput.addEventListener('change', function () {
        dragging = false;
        if (running) {
            Module.ccall('corvexa_seek', null, ['number'], [Number(frameInput.value)]);
            read();
        }
    });
})();
