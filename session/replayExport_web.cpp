// The page's hold on the session, for its Save replay button and its links.

#include "session/windowSession.h"

#include <emscripten/emscripten.h>

#include <string>

extern "C" {

// The replay so far, with an end line for the frames run, or the replay being shown; valid
// until the next call.
EMSCRIPTEN_KEEPALIVE const char* corvexa_replay_text() {
    static std::string text;
    const WindowSession* session = WindowSession::active();
    text = session != nullptr ? session->replayText() : std::string();
    return text.c_str();
}

} // extern "C"
