// The key script, replay and scene parsers take any bytes, within the limits on lines and files:
// each either reads them or refuses them with an InputError; a short replay that parses plays
// to its verdict, and a small scene that parses places finite objects and runs a few frames.

#include "headless/headless.h"
#include "headless/session.h"
#include "session/input.h"
#include "session/keyScript.h"
#include "session/replay.h"
#include "session/sceneInput.h"
#include "support/glRecorder.h"

#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <sstream>
#include <string>

namespace {

// Larger worlds would spend the run's time on frames, not on the parsers.
constexpr std::size_t smallWorld = 200;

bool isSmall(const Scene* scene) {
    return scene == nullptr || scene->getPlacements().size() <= smallWorld;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    try {
        std::istringstream in(text);
        KeyScript::parse(in, "fuzz");
    } catch (const InputError&) {
    }
    try {
        std::istringstream in(text);
        const Replay replay = Replay::parse(in, "fuzz");
        // Longer replays would spend the run's time on frames, not on the parser.
        replay.checkLength(defaultMaxFrames, "--max-frames");
        if (replay.getLastFrame() <= 50 && isSmall(replay.getScene())) {
            glrec::reset();
            glrec::setRecording(false);
            std::ostringstream verdict;
            verifyReplay(replay, verdict);
        }
    } catch (const InputError&) {
    }
    try {
        std::istringstream in(text);
        const Scene scene = readScene(in, "fuzz");
        for (const Scene::Placement& placement : scene.getPlacements()) {
            if (!std::isfinite(placement.position.getMetersX()) ||
                !std::isfinite(placement.position.getMetersY()) ||
                !std::isfinite(placement.velocity.getDX()) ||
                !std::isfinite(placement.velocity.getDY())) {
                std::abort();
            }
        }
        if (isSmall(&scene)) {
            glrec::reset();
            glrec::setRecording(false);
            HeadlessSession session(1, KeyScript(), {}, &scene);
            for (int frame = 0; frame < 5; ++frame) {
                session.runFrame();
            }
        }
    } catch (const InputError&) {
    }
    return 0;
}
