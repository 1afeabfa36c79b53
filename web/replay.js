// The page's replays: every session is recorded; "Save replay" downloads it, "Copy link" puts it,
// compressed, into the address's fragment (#replay=...), and a link or a file opened with
// "Open replay" plays it in the canvas, the page saying at its end whether the world came out
// the same. Loaded before the program, which it hands its arguments and the replay's file.
(function () {
    var replayPath = '/shown.replay';
    var recordPath = '/session.replay';
    var prefix = '#replay=';

    // The fragment's text: the replay deflated, in base64 with the URL's alphabet.
    async function pack(text) {
        var stream = new Blob([text]).stream().pipeThrough(new CompressionStream('deflate-raw'));
        var bytes = new Uint8Array(await new Response(stream).arrayBuffer());
        var binary = '';
        for (var i = 0; i < bytes.length; i += 0x8000) {
            binary += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
        }
        return btoa(binary).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
    }

    async function unpack(packed) {
        var base64 = packed.replace(/-/g, '+').replace(/_/g, '/');
        var binary = atob(base64 + '==='.slice((base64.length + 3) % 4));
        var bytes = Uint8Array.from(binary, function (c) {
            return c.charCodeAt(0);
        });
        var stream = new Blob([bytes]).stream().pipeThrough(new DecompressionStream('deflate-raw'));
        return new Response(stream).text();
    }

    function status(text) {
        document.getElementById('replay-status').textContent = text;
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

    async function copyLink() {
        var text = replayText();
        if (!text) {
            return;
        }
        history.replaceState(null, '', prefix + (await pack(text)));
        try {
            await navigator.clipboard.writeText(location.href);
            status('The link to this replay is copied.');
        } catch (error) {
            status('The link to this replay is in the address bar.');
        }
    }

    // A file opened plays as its link would: the page starts again with it in the fragment.
    async function open(file) {
        var packed = await pack(await file.text());
        location.hash = prefix + packed;
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

    // The program's arguments, once the page knows whether it shows a replay; the page script
    // sets the other fields of Module.
    window.corvexaReplayArguments = async function () {
        if (!location.hash.startsWith(prefix)) {
            return ['--record', recordPath];
        }
        try {
            var text = await unpack(location.hash.slice(prefix.length));
            Module.preRun = (Module.preRun || []).concat(function () {
                FS.writeFile(replayPath, text);
            });
            status('Showing a replay: the keys do nothing until it ends.');
            return ['--replay', replayPath];
        } catch (error) {
            status('The link holds no replay this page can read.');
            return ['--record', recordPath];
        }
    };

    document.getElementById('save-replay').addEventListener('click', save);
    document.getElementById('copy-link').addEventListener('click', copyLink);
    document.getElementById('open-replay').addEventListener('change', function (event) {
        if (event.target.files.length > 0) {
            open(event.target.files[0]);
        }
    });
})();
