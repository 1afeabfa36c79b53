#include "ui/platform.h"

#ifdef _WIN32
#include <windows.h>
#include <cstdio>
#include <ctime>
#else
#include <chrono>
#include <thread>
#endif

namespace platform {

#ifdef _WIN32

// The C runtime's clock counts wall time from process start at 1000 ticks per second.
std::uint32_t clockTicks() { return static_cast<std::uint32_t>(std::clock()); }

void sleepMilliseconds(unsigned int milliseconds) { Sleep(milliseconds); }

void ensureConsole() {
    HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        AllocConsole();
        FILE* stream = nullptr;
        freopen_s(&stream, "CONOUT$", "a", stdout);
    }
}

#else

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

#endif

} // namespace platform
