// The page's hold on the explore controls: its buttons give the window's commands, its
// scrubber seeks, and it reads the figures to show them beside the picture.

#include "session/windowSession.h"

#include <emscripten/emscripten.h>

#include <string>

extern "C" {

// A command by its place in window/keys.h's Command; false when the mode has none such.
EMSCRIPTEN_KEEPALIVE int corvexa_command(int command) {
    WindowSession* session = WindowSession::active();
    return session != nullptr && session->command(static_cast<Command>(command)) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void corvexa_seek(double frame) {
    if (WindowSession* session = WindowSession::active()) {
        session->seek(static_cast<long long>(frame));
    }
}

EMSCRIPTEN_KEEPALIVE void corvexa_figures_outside() {
    if (WindowSession* session = WindowSession::active()) {
        session->showFiguresOutside();
    }
}

// The figures and the controls' state as JSON; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* corvexa_state() {
    static std::string text;
    const WindowSession* session = WindowSession::active();
    text = session != nullptr ? session->stateJson() : std::string("{}");
    return text.c_str();
}

} // extern "C"
