#pragma once

// A stand-in for the platform layer: the clock is set by the test, and sleeping is recorded
// and moves the clock on, as real time would.

#include <cstdint>
#include <vector>

namespace fakeplatform {

void reset();
void setClock(std::uint32_t ticks);
void advanceClock(std::uint32_t ticks);
// Makes every reading move the clock on by this much afterwards (0 by default).
void setStepPerReading(std::uint32_t ticks);
// Every wait the code asked for, in milliseconds.
const std::vector<unsigned int>& sleeps();
int consoleSetUps();

} // namespace fakeplatform
