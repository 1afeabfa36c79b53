
#include "platform/platform.h"
#include "platform/platform.h"
#include "platform/randomSequence.h"

#include <deque>

namespace scriptedrand {
namespace {
std::deque<int> pending;
int calls = 0;
RandomSequence sequence;
} // namespace

void script(std::initializer_list<int> values) { pending.insert(pending.end(), values); }
int callCount() { return calls; }
void reset() {
    pending.clear();
    calls = 0;
}

} // namespace scriptedrand

// The tests' stand-in for the platform's random numbers: the same generator, unless a test
// scripted what comes next.
namespace platform {

void seedRandom(unsigned int seed) { scriptedrand::sequence.reseed(seed); }

int nextRandom() {
    ++scriptedrand::calls;
    if (!scriptedrand::pending.empty()) {
        const int value = scriptedrand::pending.front();
        scriptedrand::pending.pop_front();
        return value;
    }
    return scriptedrand::sequence.next();
}

} // namespace platform

namespace platform {

RandomSequence randomState() { return scriptedrand::sequence; }

void setRandomState(const RandomSequence& state) { scriptedrand::sequence = state; }

} // namespace platform
