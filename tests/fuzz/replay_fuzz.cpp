// The key script and replay parsers take any bytes, within the limits on lines and files: each
// either reads them or refuses them with an InputError, and a short replay that parses plays
// to its verdict.

#include "headless/headless.h"
#include "session/input.h"
#include "session/keyScript.h"
#include "session/replay.h"
#include "support/glRecorder.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

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
        if (replay.getLastFrame() <= 50) {
            glrec::reset();
            glrec::setRecording(false);
            std::ostringstream verdict;
            verifyReplay(replay, verdict);
        }
    } catch (const InputError&) {
    }
    return 0;
}
