// Turns arbitrary bytes into a command line, key events and frame boundaries, and runs them
// through the argument check and the real frame loop (with the GL and clock stand-ins).
//
// Layout of an input: one length byte and that many bytes for the first argument (0xFF: no
// argument at all), then operations: 0x00-0x1F ASCII key down, 0x20-0x3F ASCII key up,
// 0x40-0x5F special key down, 0x60-0x7F special key up (each followed by the key's byte),
// anything else a frame, after the clock has moved on by the low five bits in milliseconds.

#include "platform/platform.h"
#include "physics/constants.h"
#include "selfcheck/runSelfChecks.h"
#include "simulation/simulator.h"
#include "support/fakePlatform.h"
#include "support/glRecorder.h"
#include "support/runningWindow.h"
#include "support/windowProbe.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int maxFrames = 100;

struct Input {
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
    std::size_t next = 0;
    Simulator* pWorld = nullptr;
};
Input input;

// Anything a frame leaves behind that is not finite or out of range is a fault.
void checkObject(const Satellite& object) {
    if (!object.isAlive()) {
        return;
    }
    const Position& pos = object.getPosition();
    const double radians = object.getAngle().getRadians();
    if (!std::isfinite(pos.getMetersX()) || !std::isfinite(pos.getMetersY()) ||
        !std::isfinite(object.getVelocity().getDX()) ||
        !std::isfinite(object.getVelocity().getDY()) || !(radians >= 0.0) || !(radians < twoPi)) {
        __builtin_trap();
    }
}

void checkWorld(const Simulator& world) {
    for (const Satellite* pSatellite : world.getSatellites()) {
        checkObject(*pSatellite);
    }
    for (const Satellite* pSatellite : world.getDynamicObjects()) {
        checkObject(*pSatellite);
    }
    checkObject(world.getShip());
}

// The toolkit's loop: key events between frames, as the bytes say.
void mainLoop() {
    auto& toolkit = glrec::toolkit();
    int frames = 0;
    while (input.next < input.size && frames < maxFrames) {
        const std::uint8_t op = input.data[input.next++];
        if (op < 0x80) {
            if (input.next >= input.size) {
                break;
            }
            const std::uint8_t key = input.data[input.next++];
            switch (op >> 5) {
            case 0:
                toolkit.keyboard(key, 0, 0);
                break;
            case 1:
                toolkit.keyboardUp(key, 0, 0);
                break;
            case 2:
                toolkit.special(key, 0, 0);
                break;
            default:
                toolkit.specialUp(key, 0, 0);
                break;
            }
        } else {
            fakeplatform::advanceClock(op & 0x1F);
            toolkit.idle();
            checkWorld(*input.pWorld);
            ++frames;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const std::size_t length = data[0] == 0xFF ? 0 : std::min<std::size_t>(data[0], size - 1);
    const std::string argument(reinterpret_cast<const char*>(data + 1), length);
    char name[] = "corvexa";
    std::string argumentCopy = argument.c_str(); // up to the first zero byte, as argv holds it
    char* argv[] = {name, argumentCopy.data(), nullptr};
    const int argc = data[0] == 0xFF ? 1 : 2;

    const bool expected = argc == 2 && argumentCopy == "--test";
    if (isSelfCheckOnly(argc, argv) != expected) {
        __builtin_trap();
    }
    if (expected) {
        return 0;
    }

    WindowProbe::reset();
    glrec::reset();
    glrec::setRecording(false);
    fakeplatform::reset();
    WindowInterface ui(argc, argv, windowTitle, runningUpperRight());
    platform::seedRandom(static_cast<unsigned int>(size));
    {
        Simulator world{};
        input = Input{data, size, 1 + length, &world};
        glrec::toolkit().mainLoop = mainLoop;
        ui.run(updateWorld, &world);
        input = Input{};
    }
    return 0;
}
