#include "platform/platform.h"

#include <emscripten/emscripten.h>

// The browser: the page's clock; frames are paced by the browser (graphics/webWindow.cpp), and
// the console is the page's.
namespace platform {

std::uint32_t clockTicks() { return static_cast<std::uint32_t>(emscripten_get_now()); }

// Frames come only from the browser's loop, which already holds each one to the frame period
// after the last; there is no thread here to hold back, and blocking it would stall the page.
void sleepMilliseconds(unsigned int /*milliseconds*/) {}

// Standard output already goes to the page's console and its report block.
void ensureConsole() {}

} // namespace platform
