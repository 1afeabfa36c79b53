#include "platform/platform.h"

#include <windows.h>

#include <cstdio>
#include <ctime>

// Windows: the C runtime's clock, Sleep and the console calls.
namespace platform {

// The C runtime's clock counts wall time from process start at 1000 ticks per second.
std::uint32_t clockTicks() { return static_cast<std::uint32_t>(std::clock()); }

void sleepMilliseconds(unsigned int milliseconds) { Sleep(milliseconds); }

// A program started from the desktop has no standard output; the report gets a console.
void ensureConsole() {
    HANDLE handle = GetStdHandle(STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        AllocConsole();
        FILE* stream = nullptr;
        freopen_s(&stream, "CONOUT$", "a", stdout);
    }
}

} // namespace platform
