// The page's scenes: the picker of the shipped ones (listed in the page by the build), "Open
// scene" for a file of one's own and "Copy scene link". Each plays as a #scene= link does, through
// the links' machinery of replay.js: a new game of the scene, recorded as any other.
(function () {
    'use strict';
    var links = window.corvexaLinks;
    var kind = links.kinds.scene;
    var picker = document.getElementById('scene');
    var copyButton = document.getElementById('copy-scene-link');

    // A scene's title line, or a replay's copy of it; the first 4000 bytes a line are enough.
    function titleOf(bytes) {
        var text = new TextDecoder().decode(bytes);
        var found = /^(?:scene )?title +(.{0,4000}?) *\r?$/m.exec(text);
        return found ? found[1] : '';
    }

    // The picker names what plays: a shipped scene by its title, another as one of its own.
    function showPlayed() {
        var played = links.played();
        var title = played ? titleOf(played.bytes) : '';
        copyButton.disabled = !played || played.kind !== kind;
        if (!title) {
            return;
        }
        var shipped = Array.prototype.find.call(picker.options, function (option) {
            return option.value && option.textContent === title;
        });
        if (!shipped) {
            shipped = new Option(title + (played.kind === kind ? ' (opened)' : ' (replayed)'), '#');
            picker.add(shipped);
        }
        picker.value = shipped.value;
    }

    async function pick() {
        if (picker.value === '') {
            links.playAfresh(null);
            return;
        }
        if (picker.value === '#') {
            return;
        }
        try {
            var response = await fetch(picker.value);
            if (!response.ok) {
                throw new Error('status ' + response.status);
            }
            await links.open(kind, await response.blob(), picker.value);
        } catch (error) {
            links.refused(kind, picker.value + ': cannot be read (' + error.message + ')');
        }
    }

    picker.addEventListener('change', pick);
    document.getElementById('open-scene').addEventListener('change', function (event) {
        var files = event.target.files;
        if (files.length > 0) {
            links.open(kind, files[0], files[0].name);
        }
        event.target.value = '';
    });
    copyButton.addEventListener('click', function () {
        links.copyLink(kind, links.played().bytes, 'Open scene plays it from its file');
    });
    // Known once the page has read its link, before the program starts.
    window.addEventListener('corvexa-links-read', showPlayed);
})();
