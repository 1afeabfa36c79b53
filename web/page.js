// The page around the program: its arguments, its output and the canvas's focus.
(function () {
    var canvas = document.getElementById('canvas');
    var report = document.getElementById('report');
    // ?test runs the self-check alone, as --test does on the desktop.
    var selfCheckOnly = new URLSearchParams(location.search).has('test');

    // What the tests and the benchmark read: frames drawn and the draws of the last one.
    var stats = (window.corvexa = { frames: 0, drawCalls: 0 });

    function print(text) {
        console.log(text);
        report.textContent += text + '\n';
    }

    window.Module = {
        canvas: canvas,
        arguments: selfCheckOnly ? ['--test'] : [],
        print: print,
        // What goes wrong (no WebGL, say) shows under the canvas too.
        printErr: function (text) {
            console.error(text);
            report.textContent += text + '\n';
        },
        onFrameDrawn: function (drawCalls) {
            stats.frames += 1;
            stats.drawCalls = drawCalls;
        },
    };
    if (selfCheckOnly) {
        document.getElementById('report-block').open = true;
    }

    // The keys go to the canvas: it has the focus from the start and after every click.
    canvas.focus();
    canvas.addEventListener('mousedown', function (event) {
        event.preventDefault();
        canvas.focus();
    });
})();
