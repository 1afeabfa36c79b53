// The page's window: the canvas, its keys and the frame loop, the small part of GLUT that the
// window uses, over Emscripten's html5 events on the page's canvas. Emscripten's own GLUT
// reads the keys of the whole page by their deprecated key codes, has no key-repeat filter and
// runs the idle function on a 4 ms timer; this one listens to the canvas alone.

#include "graphics/frameSchedule.h"
#include "graphics/graphics.h"

#include <GLES2/gl2.h>
#include <emscripten/emscripten.h>
#include <emscripten/html5.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <vector>

extern "C" {
// The page's hook for a browser that gives no WebGL (web/library.js).
void corvexa_no_webgl();
}

namespace {

const char* const canvasTarget = "#canvas";

struct Toolkit {
    bool ignoreRepeat = false;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboardUp)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
    void (*frame)() = nullptr;
    EMSCRIPTEN_WEBGL_CONTEXT_HANDLE context = 0;
    bool contextLost = false;
    int bufferWidth = 0; // device pixels of the drawing buffer, 0 until the first frame
    int bufferHeight = 0;
    FrameSchedule schedule;
};

Toolkit& toolkit() {
    static Toolkit t;
    return t;
}

// A key as GLUT hands it over: a special key's code, or a character. Letters go by their place
// on the keyboard (the event's code), as on an American keyboard, so that W, A, S and D are
// where they are on every layout; other printable keys by the character they type. The
// function keys and Escape stay the browser's.
struct ToolkitKey {
    int special;
    unsigned char character;
};

ToolkitKey toolkitKey(const EmscriptenKeyboardEvent& event) {
    static const struct {
        const char* code;
        int special;
    } specials[] = {
        {"ArrowLeft", graphics::keyLeft}, {"ArrowRight", graphics::keyRight},
        {"ArrowUp", graphics::keyUp},     {"ArrowDown", graphics::keyDown},
        {"Home", graphics::keyHome},      {"End", graphics::keyEnd},
        {"PageUp", graphics::keyPageUp},  {"PageDown", graphics::keyPageDown},
    };
    for (const auto& entry : specials) {
        if (std::strcmp(event.code, entry.code) == 0) {
            return {entry.special, 0};
        }
    }
    if (std::strncmp(event.code, "Key", 3) == 0 && event.code[3] >= 'A' && event.code[3] <= 'Z' &&
        event.code[4] == '\0') {
        return {0, static_cast<unsigned char>(event.code[3] - 'A' + 'a')};
    }
    if (std::strcmp(event.code, "Space") == 0) {
        return {0, ' '};
    }
    const unsigned char typed = static_cast<unsigned char>(event.key[0]);
    if (typed > ' ' && typed < 0x7F && event.key[1] == '\0') {
        return {0, typed};
    }
    return {0, 0};
}

// The keys pressed and not yet released, with what was handed over, so that each release hands
// over what its press did even if Shift changed in between.
struct HeldKey {
    char code[32];
    ToolkitKey key;
};

std::vector<HeldKey>& heldKeys() {
    static std::vector<HeldKey> held;
    return held;
}

void handOver(const Toolkit& t, const ToolkitKey& key, bool down) {
    if (key.special != 0) {
        void (*callback)(int, int, int) = down ? t.special : t.specialUp;
        if (callback != nullptr) {
            callback(key.special, 0, 0);
        }
    } else {
        void (*callback)(unsigned char, int, int) = down ? t.keyboard : t.keyboardUp;
        if (callback != nullptr) {
            callback(key.character, 0, 0);
        }
    }
}

// The keys that would scroll the page under the canvas.
bool scrolls(const ToolkitKey& key) { return key.special != 0 || key.character == ' '; }

// A key pressed with Ctrl, Alt or Meta is the browser's (Alt and the left arrow go back), but
// every release reaches the program, so that no key stays held. The keys that scroll are kept
// from the page; the others, which do nothing there, are left to it.
EM_BOOL onKey(int eventType, const EmscriptenKeyboardEvent* event, void* /*userData*/) {
    const Toolkit& t = toolkit();
    const bool down = eventType == EMSCRIPTEN_EVENT_KEYDOWN;
    auto& held = heldKeys();
    const auto pHeld = std::find_if(held.begin(), held.end(), [event](const HeldKey& h) {
        return std::strcmp(h.code, event->code) == 0;
    });
    if (!down) {
        if (pHeld == held.end()) {
            return EM_FALSE;
        }
        const ToolkitKey key = pHeld->key;
        held.erase(pHeld);
        handOver(t, key, false);
        return scrolls(key) ? EM_TRUE : EM_FALSE;
    }
    const ToolkitKey key = toolkitKey(*event);
    const bool modified = event->ctrlKey || event->altKey || event->metaKey;
    if ((key.special == 0 && key.character == 0) || modified) {
        return EM_FALSE;
    }
    if (pHeld == held.end()) {
        HeldKey entry{};
        std::strncpy(entry.code, event->code, sizeof entry.code - 1);
        entry.key = key;
        held.push_back(entry);
    } else if (t.ignoreRepeat) {
        return scrolls(key) ? EM_TRUE : EM_FALSE;
    }
    handOver(t, key, true);
    return scrolls(key) ? EM_TRUE : EM_FALSE;
}

// The canvas hears no release once it has lost the focus: every key still down is let go.
EM_BOOL onBlur(int /*eventType*/, const EmscriptenFocusEvent* /*event*/, void* /*userData*/) {
    auto& held = heldKeys();
    const std::vector<HeldKey> released(held);
    held.clear();
    for (const HeldKey& h : released) {
        handOver(toolkit(), h.key, false);
    }
    return EM_FALSE;
}

// Kept from the browser, so that it restores the context; the world waits meanwhile, and the
// drawing makes its shaders and buffer again (webGraphics.cpp).
EM_BOOL onContextLost(int /*eventType*/, const void* /*reserved*/, void* /*userData*/) {
    toolkit().contextLost = true;
    return EM_TRUE;
}

EM_BOOL onContextRestored(int /*eventType*/, const void* /*reserved*/, void* /*userData*/) {
    Toolkit& t = toolkit();
    t.contextLost = false;
    t.bufferWidth = 0;
    return EM_TRUE;
}

// The drawing buffer has as many pixels as the canvas covers on the screen, so the picture is
// sharp at any size and pixel ratio; looked at every frame, it follows resizes, rotations and
// zooms alike. The page lays the canvas out (web/page.js).
void fitDrawingBuffer(Toolkit& t) {
    double cssWidth = 0.0;
    double cssHeight = 0.0;
    emscripten_get_element_css_size(canvasTarget, &cssWidth, &cssHeight);
    const double ratio = emscripten_get_device_pixel_ratio();
    const int wide = std::max(1, static_cast<int>(std::lround(cssWidth * ratio)));
    const int high = std::max(1, static_cast<int>(std::lround(cssHeight * ratio)));
    if (wide == t.bufferWidth && high == t.bufferHeight) {
        return;
    }
    emscripten_set_canvas_element_size(canvasTarget, wide, high);
    // The browser may give fewer pixels than asked for on a huge screen.
    int given[2] = {wide, high};
    emscripten_webgl_get_drawing_buffer_size(t.context, &given[0], &given[1]);
    glViewport(0, 0, given[0], given[1]);
    t.bufferWidth = wide;
    t.bufferHeight = high;
}

// The browser calls back once per display refresh, with the refresh's time stamp.
EM_BOOL onAnimationFrame(double time, void* /*userData*/) {
    Toolkit& t = toolkit();
    // The lost-context event comes a while after the loss: the context itself is asked too,
    // or a frame in between would draw on nothing and remake its shaders in vain.
    if (t.contextLost || emscripten_is_webgl_context_lost(t.context) != EM_FALSE ||
        !t.schedule.due(time)) {
        return EM_TRUE;
    }
    const double start = emscripten_get_now();
    fitDrawingBuffer(t);
    t.frame();
    t.schedule.ran(emscripten_get_now() - start);
    return EM_TRUE;
}

} // namespace

namespace graphics {

void init(int* /*argc*/, char** /*argv*/) {}

// The page decides the canvas's size; the picture keeps the window's coordinates, scaled.
void initWindowSize(int /*width*/, int /*height*/) {}
void initWindowPosition(int /*x*/, int /*y*/) {}
void initDisplayMode(unsigned int /*mode*/) {}

int createWindow(const char* title) {
    Toolkit& t = toolkit();
    emscripten_set_window_title(title);

    EmscriptenWebGLContextAttributes attributes;
    emscripten_webgl_init_context_attributes(&attributes);
    attributes.alpha = EM_FALSE;
    attributes.depth = EM_FALSE;
    attributes.stencil = EM_FALSE;
    attributes.antialias = EM_FALSE; // the desktop window draws without multisampling
    t.context = emscripten_webgl_create_context(canvasTarget, &attributes);
    if (t.context <= 0) {
        std::fputs("Corvexa needs WebGL, which this browser does not give.\n", stderr);
        corvexa_no_webgl();
        return 0;
    }
    emscripten_webgl_make_context_current(t.context);

    emscripten_set_keydown_callback(canvasTarget, nullptr, EM_TRUE, onKey);
    emscripten_set_keyup_callback(canvasTarget, nullptr, EM_TRUE, onKey);
    emscripten_set_blur_callback(canvasTarget, nullptr, EM_TRUE, onBlur);
    emscripten_set_webglcontextlost_callback(canvasTarget, nullptr, EM_TRUE, onContextLost);
    emscripten_set_webglcontextrestored_callback(canvasTarget, nullptr, EM_TRUE, onContextRestored);
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
// the page lives. Without WebGL there is nothing to run: the page says why.
void mainLoop() {
    if (toolkit().context <= 0) {
        return;
    }
    emscripten_request_animation_frame_loop(onAnimationFrame, nullptr);
    emscripten_exit_with_live_runtime();
}

} // namespace graphics
