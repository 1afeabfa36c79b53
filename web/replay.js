// The page's replays: every session is recorded; "Save replay" downloads it, "Copy link" puts it,
// compressed, into a link (#replay=...), and a link or a file opened with "Open replay" plays it
// in the canvas, the page saying at its end whether the world came out the same. Whatever a link
// or a file holds, the page ends up playing: what cannot be shown is said under the picture and a
// new game starts. Scenes travel in links the same way (#scene=..., scenes.js), and a scene's
// game is recorded as any other. Loaded before the program, which it hands its arguments and the
// file of the link.
(function () {
    'use strict';
    var recordPath = '/session.replay';
    // What a link may hold. Paths are relative to the program's folder, so that its messages
    // name the link, not a path; the sizes are the most the programs read (maxTextSize in
    // session/input.h, and a scene's own bound).
    var kinds = {
        replay: { name: 'replay', prefix: '#replay=', path: 'link.replay', maxSize: 4 << 20 },
        scene: { name: 'scene', prefix: '#scene=', path: 'link.scene', maxSize: 2 << 20 },
    };
    var replay = kinds.replay;
    // Chromium opens no longer address, so a longer link was made by no page: it is refused
    // before it is decoded.
    var maxLinkLength = 2 * 1024 * 1024;
    // Deflate makes at most about a thousand bytes of one, and the inflater makes all it can of
    // what it is given before it is read: fed this much at a time, it holds at most a few MiB.
    var inflateStep = 4096;

    var programArguments = [];
    var lastError = '';
    // The kind and bytes of the link being played, if any.
    var played = null;

    // What a link or a file holds that cannot be played, said as the programs say it.
    function Refusal(message) {
        this.message = message;
    }

    function status(text, problem) {
        var element = document.getElementById('replay-status');
        element.textContent = text;
        element.classList.toggle('problem', !!problem);
    }

    function refused(kind, reason, newGame) {
        var after = newGame ? ' A new game has started.' : '';
        status('This ' + kind.name + ' cannot be played: ' + reason + '.' + after, true);
    }

    // The fragment's text: the replay or the scene deflated, in base64 with the URL's alphabet.
    async function pack(data) {
        var stream = new Blob([data]).stream().pipeThrough(new CompressionStream('deflate-raw'));
        var bytes = new Uint8Array(await new Response(stream).arrayBuffer());
        var binary = '';
        for (var i = 0; i < bytes.length; i += 0x8000) {
            binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
        }
        return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
    }

    // The link's bytes as they were, a byte-order mark and line ends included: the program
    // reads them as it reads a file.
    async function unpack(packed, kind) {
        if (packed.length > maxLinkLength) {
            throw new Refusal('the link is longer than the limit of ' + maxLinkLength +
                ' characters of an address');
        }
        var base64 = packed.replace(/-/g, '+').replace(/_/g, '/');
        var binary;
        try {
            binary = atob(base64 + '==='.slice((base64.length + 3) % 4));
        } catch (error) {
            throw new Refusal('the link is damaged: it is not in base64');
        }
        var bytes = new Uint8Array(binary.length);
        for (var i = 0; i < binary.length; i++) {
            bytes[i] = binary.charCodeAt(i);
        }
        return inflate(bytes, kind);
    }

    // Read as it inflates, and stopped as soon as it passes the bound.
    async function inflate(bytes, kind) {
        var inflater = new DecompressionStream('deflate-raw');
        var writer = inflater.writable.getWriter();
        var reader = inflater.readable.getReader();
        var feeding = (async function () {
            for (var at = 0; at < bytes.length; at += inflateStep) {
                await writer.write(bytes.subarray(at, at + inflateStep));
            }
            await writer.close();
        })();
        // Its failure is the reader's too, and said there.
        feeding.catch(function () {});
        var chunks = [];
        var size = 0;
        try {
            for (var step = await reader.read(); !step.done; step = await reader.read()) {
                size += step.value.length;
                if (size > kind.maxSize) {
                    throw new Refusal(
                        kind.path + ': longer than the limit of ' + kind.maxSize + ' bytes',
                    );
                }
                chunks.push(step.value);
            }
            await feeding;
        } catch (error) {
            reader.cancel().catch(function () {});
            throw error instanceof Refusal
                ? error
                : new Refusal('the link is damaged: its ' + kind.name + ' does not inflate');
        }
        var text = new Uint8Array(size);
        chunks.reduce(function (at, chunk) {
            text.set(chunk, at);
            return at + chunk.length;
        }, 0);
        return text;
    }

    // The program runs once in a page: a new game is a fresh page, without the fragment. What
    // was said goes along in the history entry, which a reload keeps, where storage could be
    // refused or full; a program in the state a bad link left it in is not kept.
    function playAfresh(said, kind) {
        var state = said ? { said: said, kind: kind.name } : null;
        history.replaceState(state, '', location.pathname + location.search);
        location.reload();
    }

    // The program ends early only when it refuses its arguments, the replay or the scene
    // (status 2), or when it aborts.
    function programEnded(reason) {
        if (played) {
            playAfresh(reason, played.kind);
        } else {
            status('The game stopped: ' + reason + '.', true);
        }
    }

    function replayText() {
        return Module.ccall('corvexa_replay_text', 'string', [], []);
    }

    function save() {
        var text = replayText();
        if (!text) {
            return;
        }
        var link = document.createElement('a');
        link.href = URL.createObjectURL(new Blob([text], { type: 'text/plain' }));
        link.download = 'corvexa-' + new Date().toISOString().slice(0, 19).replace(/:/g, '-') +
            '.replay';
        document.body.appendChild(link);
        link.click();
        link.remove();
        setTimeout(function () {
            URL.revokeObjectURL(link.href);
        }, 0);
    }

    // The clipboard's own call needs a secure page; the older command works on any, in a click.
    async function copyText(text) {
        try {
            await navigator.clipboard.writeText(text);
            return true;
        } catch (error) {
            var field = document.createElement('textarea');
            field.value = text;
            document.body.appendChild(field);
            field.select();
            var copied = document.execCommand('copy');
            field.remove();
            return copied;
        }
    }

    // The session being recorded, as a link.
    async function copyReplayLink() {
        var text = replayText();
        if (!text) {
            return;
        }
        await copyLink(replay, text, 'Save replay keeps it as a file');
    }

    // The link to a replay or a scene, copied; the page's own address is left alone.
    async function copyLink(kind, data, otherwise) {
        var link = location.href.split('#')[0] + kind.prefix + (await pack(data));
        if (link.length > maxLinkLength) {
            status('This ' + kind.name + ' is too long for a link; ' + otherwise + '.', true);
        } else if (await copyText(link)) {
            status('The link to this ' + kind.name + ' is copied.');
        } else {
            status('The browser would not let the page copy the link; ' + otherwise + '.', true);
        }
    }

    // A file opened plays as its link would: the page starts again with it in the fragment.
    async function open(kind, data, name) {
        if (data.size > kind.maxSize) {
            refused(kind, name + ': longer than the limit of ' + kind.maxSize + ' bytes');
            return;
        }
        var packed = await pack(data);
        if (location.href.split('#')[0].length + kind.prefix.length + packed.length >
            maxLinkLength) {
            refused(kind, name + ': its link would be longer than the limit of ' +
                maxLinkLength + ' characters of an address');
            return;
        }
        location.hash = kind.prefix + packed;
        location.reload();
    }

    // What the program prints at the end of a replay shows under the canvas.
    window.corvexaReplayLine = function (text) {
        if (/^replay (matches|differs)/.test(text)) {
            status(text);
            return true;
        }
        return false;
    };

    // The program's last word on standard error, for when it ends.
    window.corvexaErrorLine = function (text) {
        if (text.startsWith('corvexa: ')) {
            lastError = text.slice('corvexa: '.length);
        }
    };

    // The program's arguments, once the page knows whether it shows a replay; the page script
    // sets the other fields of Module.
    window.corvexaReplayArguments = async function () {
        programArguments = await chooseArguments();
        window.dispatchEvent(new Event('corvexa-links-read'));
        Module.quit = function (code) {
            if (code !== 0) {
                programEnded(lastError || 'the program ended with status ' + code);
            }
        };
        Module.onAbort = function (what) {
            programEnded('the program stopped (' + what + ')');
        };
        return programArguments;
    };

    async function chooseArguments() {
        var said = history.state && history.state.said;
        if (said) {
            refused(kinds[history.state.kind] || replay, said, true);
            history.replaceState(null, '', location.href);
        }
        var record = ['--record', recordPath];
        var kind = Object.values(kinds).find(function (each) {
            return location.hash.startsWith(each.prefix);
        });
        if (!kind) {
            return record;
        }
        var bytes;
        try {
            bytes = await unpack(location.hash.slice(kind.prefix.length), kind);
        } catch (error) {
            refused(kind, error instanceof Refusal ? error.message : String(error), true);
            history.replaceState(null, '', location.pathname + location.search);
            return record;
        }
        Module.preRun = (Module.preRun || []).concat(function () {
            FS.writeFile(kind.path, bytes);
        });
        played = { kind: kind, bytes: bytes };
        if (kind === kinds.scene) {
            return ['--scene', kind.path].concat(record);
        }
        status('Showing a replay: Stop replay gives the keys back.');
        document.getElementById('stop-replay').hidden = false;
        return ['--replay', kind.path];
    }

    // What scenes.js shares of the links' machinery.
    window.corvexaLinks = {
        kinds: kinds,
        played: function () {
            return played;
        },
        open: open,
        copyLink: copyLink,
        refused: refused,
        playAfresh: playAfresh,
    };

    document.getElementById('save-replay').addEventListener('click', save);
    document.getElementById('copy-link').addEventListener('click', copyReplayLink);
    document.getElementById('stop-replay').addEventListener('click', function () {
        playAfresh(null);
    });
    document.getElementById('open-replay').addEventListener('change', function (event) {
        var files = event.target.files;
        if (files.length > 0) {
            open(replay, files[0], files[0].name);
        }
        event.target.value = '';
    });
})();
