#pragma once

#include <cstdint>

// The few services the program takes from the operating system. On Windows these are the
// C runtime's clock, Sleep and the console calls; elsewhere they do the same job.
namespace platform {

// Milliseconds of wall time since the process started.
std::uint32_t clockTicks();

void sleepMilliseconds(unsigned int milliseconds);

// Gives standard output a console when the process started without one.
void ensureConsole();

} // namespace platform
