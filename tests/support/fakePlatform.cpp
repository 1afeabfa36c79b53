#include "support/fakePlatform.h"

#include "platform/platform.h"

namespace fakeplatform {
namespace {
std::uint32_t now = 0;
std::uint32_t stepPerReading = 0;
std::vector<unsigned int> waits;
int consoles = 0;
} // namespace

void reset() {
    now = 0;
    stepPerReading = 0;
    waits.clear();
    consoles = 0;
}
void setClock(std::uint32_t ticks) { now = ticks; }
void advanceClock(std::uint32_t ticks) { now += ticks; }
void setStepPerReading(std::uint32_t ticks) { stepPerReading = ticks; }
const std::vector<unsigned int>& sleeps() { return waits; }
int consoleSetUps() { return consoles; }

} // namespace fakeplatform

namespace platform {

std::uint32_t clockTicks() {
    const std::uint32_t reading = fakeplatform::now;
    fakeplatform::now += fakeplatform::stepPerReading;
    return reading;
}

void sleepMilliseconds(unsigned int milliseconds) {
    fakeplatform::waits.push_back(milliseconds);
    fakeplatform::now += milliseconds;
}

void ensureConsole() { ++fakeplatform::consoles; }

} // namespace platform
