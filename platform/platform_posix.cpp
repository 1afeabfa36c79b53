#include "platform/platform.h"

#include <chrono>
#include <thread>

// Linux and the other POSIX systems: a steady clock and a thread sleep.
namespace platform {

namespace {
const std::chrono::steady_clock::time_point processStart = std::chrono::steady_clock::now();
}

std::uint32_t clockTicks() {
    const auto elapsed = std::chrono::steady_clock::now() - processStart;
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void sleepMilliseconds(unsigned int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// A process here always has a standard output, so there is nothing to set up.
void ensureConsole() {}

} // namespace platform
