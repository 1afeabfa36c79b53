#include "selfcheck/runSelfChecks.h"

#include "selfcheck/debrisSuites.h"
#include "selfcheck/physicsSuites.h"
#include "selfcheck/satelliteSuites.h"
#include "selfcheck/shipSuites.h"
#include "platform/platform.h"

#include <cstring>
#include <iostream>

namespace {

// A fresh suite each time, so nothing recorded by one suite reaches the next.
template <typename Suite> void runFresh() {
    Suite suite;
    suite.run();
}

} // namespace

void runSelfChecks() {
    platform::ensureConsole();
    runFresh<TestAngle>();
    runFresh<TestAcceleration>();
    runFresh<TestVelocity>();
    runFresh<TestPosition>();
    runFresh<TestSatellite>();
    runFresh<TestSputnik>();
    runFresh<TestSatellites>();
    runFresh<TestPart>();
    runFresh<TestFragment>();
    runFresh<TestBullet>();
    runFresh<TestCollision>();
    runFresh<TestShip>();
    // Written to a file or a pipe, the report would otherwise wait in the buffer while the
    // window runs, and be lost if the process is ended by a signal.
    std::cout.flush();
}

bool isSelfCheckOnly(int argc, const char* const* argv) {
    return argc > 1 && argv[1] != nullptr && std::strcmp(argv[1], "--test") == 0;
}
