// The page's window: the canvas, its keys and the frame loop, the small part of GLUT that the
// window uses, over Emscripten's html5 events on the page's canvas. Emscripten's own GLUT
// reads the keys of the whole page by their deprecated key codes, has no key-repeat filter and
// runs the idle function on a 4 ms timer; this one listens to the canvas alone.

#include "graphics/graphics.h"

#include <GLES2/gl2.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <initializer_list>

namespace {

const char* const canvasTarget = "#canvas";
constexpr double framePeriod = 33.0; // milliseconds, as in the window

struct Toolkit {
    int width = 300; // CSS pixels, as initWindowSize gives them
    int height = 300;
    bool ignoreRepeat = false;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboardUp)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
    void (*frame)() = nullptr;
    double lastFrame = -1.0e9; // the browser's time stamp of the last frame run
};

Toolkit& toolkit() {
    static Toolkit t;
    return t;
}

int specialKey(const char* key) {
    static const struct {
        const char* name;
        int code;
    } keys[] = {{"ArrowLeft", graphics::keyLeft},
                {"ArrowRight", graphics::keyRight},
                {"ArrowUp", graphics::keyUp},
                {"ArrowDown", graphics::keyDown},
                {"Home", graphics::keyHome}};
    for (const auto& k : keys) {
        if (std::strcmp(key, k.name) == 0) {
            return k.code;
        }
    }
    return 0;
}

// A key the program takes is kept from the page, so that arrows and space do not scroll it.
EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void* /*userData*/) {
    const Toolkit& t = toolkit();
    const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    const bool repeated = down && event->repeat && t.ignoreRepeat;
    if (const int code = specialKey(event->key); code != 0) {
        void (*callback)(int, int, int) = down ? t.special : t.specialUp;
        if (callback != nullptr && !repeated) {
            callback(code, 0, 0);
        }
        return EM_TRUE;
    }
    const bool printable = event->key[0] != '\0' && event->key[1] == '\0';
    if (!printable || event->ctrlKey || event->altKey || event->metaKey) {
        return EM_FALSE;
    }
    void (*callback)(unsigned char, int, int) = down ? t.keyboard : t.keyboardUp;
    if (callback != nullptr && !repeated) {
        callback(static_cast<unsigned char>(event->key[0]), 0, 0);
    }
    return EM_TRUE;
}

// The canvas hears no release once it has lost the focus: every held key is let go.
EM_BOOL onBlur(int /*eventType*/, const EmscriptenFocusEvent* /*event*/, void* /*userData*/) {
    const Toolkit& t = toolkit();
    if (t.specialUp != nullptr) {
        for (const int code :
             {graphics::keyLeft, graphics::keyRight, graphics::keyUp, graphics::keyDown}) {
            t.specialUp(code, 0, 0);
        }
    }
    return EM_FALSE;
}

// The browser calls back once per display refresh; a frame runs no earlier than the frame
// period after the last, by the refresh's own time stamp, which does not jitter.
EM_BOOL onAnimationFrame(double time, void* /*userData*/) {
    Toolkit& t = toolkit();
    if (time - t.lastFrame >= framePeriod) {
        t.lastFrame = time;
        t.frame();
    }
    return EM_TRUE;
}

} // namespace

namespace graphics {

void init(int* /*argc*/, char** /*argv*/) {}

void initWindowSize(int width, int height) {
    toolkit().width = width;
    toolkit().height = height;
}

void initWindowPosition(int /*x*/, int /*y*/) {}
void initDisplayMode(unsigned int /*mode*/) {}

// The canvas keeps its size on the page and has as many pixels as the screen gives it, so
// the picture is as sharp on a high-density screen.
int createWindow(const char* title) {
    const Toolkit& t = toolkit();
    emscripten_set_window_title(title);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int pixelsWide = static_cast<int>(std::lround(t.width * ratio));
    const int pixelsHigh = static_cast<int>(std::lround(t.height * ratio));
    emscripten_set_element_css_size(canvasTarget, t.width, t.height);
    emscripten_set_canvas_element_size(canvasTarget, pixelsWide, pixelsHigh);

    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE; // the desktop window draws without multisampling
    const EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context =
        emscripten_webgl_create_context(canvasTarget, &attributes);
    if (context <= 0) {
        std::fputs("Corvexa needs WebGL, which this browser does not give.\n", stderr);
        return 0;
    }
    emscripten_webgl_make_context_current(context);
    glViewport(0, 0, pixelsWide, pixelsHigh);

    emscripten_set_keydown_callback(canvasTarget, nullptr, EM_TRUE, onKey);
    emscripten_set_keyup_callback(canvasTarget, nullptr, EM_TRUE, onKey);
    emscripten_set_blur_callback(canvasTarget, nullptr, EM_TRUE, onBlur);
    return 1;
}

void ignoreKeyRepeat(int ignore) { toolkit().ignoreRepeat = ignore != 0; }

// A page ends with its tab; no loop returns.
void setOption(int /*option*/, int /*value*/) {}

// The browser shows what a frame drew when it returns, so the idle function is the frame.
void displayFunc(DisplayCallback /*callback*/) {}
void idleFunc(DisplayCallback callback) { toolkit().frame = callback; }

void keyboardFunc(KeyboardCallback callback) { toolkit().keyboard = callback; }
void keyboardUpFunc(KeyboardCallback callback) { toolkit().keyboardUp = callback; }
void specialFunc(SpecialCallback callback) { toolkit().special = callback; }
void specialUpFunc(SpecialCallback callback) { toolkit().specialUp = callback; }

// The loop returns at once and main stays on the stack, with the world it handed over, while
// the page lives.
void mainLoop() {
    emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
    emscripten_exit_with_live_runtime();
}

} // namespace graphics
