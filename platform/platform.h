#pragma once

#include "platform/randomSequence.h"

#include <cstdint>

// The few services the program takes from the operating system, one implementation file per
// platform, chosen by the build: platform_posix.cpp, platform_windows.cpp, platform_web.cpp.
// The random numbers are the program's own and alike everywhere (random.cpp).
namespace platform {

// Milliseconds of wall time since the process started.
std::uint32_t clockTicks();

// Holds the next frame back by this long.
void sleepMilliseconds(unsigned int milliseconds);

// Gives standard output a console when the process started without one.
void ensureConsole();

// The process's random numbers, 0 to RandomSequence::max (randomSequence.h), the same sequence
// for a seed on every platform.
void seedRandom(unsigned int seed);
int nextRandom();
// Where the sequence stands, to draw a picture again without moving it on.
RandomSequence randomState();
void setRandomState(const RandomSequence& state);

} // namespace platform
