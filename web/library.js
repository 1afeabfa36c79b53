// Calls from the program into the page.
mergeInto(LibraryManager.library, {
    // Each frame drawn, with the draws it took; the page counts them (page.js).
    corvexa_frame_drawn: function(drawCalls) {
        if (Module['onFrameDrawn']) Module['onFrameDrawn'](drawCalls);
    },
    // The browser gives no WebGL: the page says so in place of the picture (page.js).
    corvexa_no_webgl: function() {
        if (Module['onNoWebGL']) Module['onNoWebGL']();
    },
});
