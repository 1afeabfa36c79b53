#include "platform/platform.h"

#include "platform/randomSequence.h"

namespace platform {

namespace {
// The C library's rand starts as if seeded with 1.
RandomSequence sequence;
} // namespace

void seedRandom(unsigned int seed) { sequence.reseed(seed); }

int nextRandom() { return sequence.next(); }

RandomSequence randomState() { return sequence; }

void setRandomState(const RandomSequence& state) { sequence = state; }

} // namespace platform
