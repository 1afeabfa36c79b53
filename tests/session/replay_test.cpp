#include "session/replay.h"

#include "headless/session.h"
#include "session/input.h"
#include "support/quietDrawing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using Replays = QuietDrawing;

namespace {

Replay replayOf(const std::string& text) {
    std::istringstream in(text);
    return Replay::parse(in, "taps");
}

} // namespace

// Between two frames, a Home pressed and released leaves no shot (its release clears it), and
// a space bar tapped the same way fires once (the window ignores its release); a bare Home is
// held through its frame and fires.
TEST_F(Replays, TapsBetweenFramesFireAsInTheWindow) {
    const Replay replay = replayOf("corvexa-replay 1\nseed 4\n"
                                   "3 +home -home\n"
                                   "6 +space\n"
                                   "9 home\n");
    EXPECT_EQ(replay.getSeed(), 4U);
    EXPECT_EQ(replay.getLastFrame(), 9);
    EXPECT_FALSE(replay.hasEnd());

    HeadlessSession session(replay.getSeed(), replay.getScript());
    const auto bulletsAfter = [&session](long long frame) {
        while (session.getFrame() < frame) {
            session.runFrame();
        }
        return takeCensus(session).bullets;
    };
    EXPECT_EQ(bulletsAfter(5), 0);
    EXPECT_EQ(bulletsAfter(6), 1);
    EXPECT_EQ(bulletsAfter(9), 2);
}

// What comes after the header is in frame order: events after a check land after it, and
// nothing follows the end.
TEST_F(Replays, RefusesLinesOutOfOrderNamingThem) {
    const std::string head = "corvexa-replay 1\nseed 1\n";
    const std::string figures = " satellites=10 parts=0 fragments=0 bullets=0 ship=1 created=0 "
                                "breakups=0 energy=-1.000000 world=0000000000000000\n";
    for (const auto& [text, message] :
         {std::pair{head + "check 10" + figures + "10 +left\n",
                    "taps:4: frame 10 comes after the check of frame 10"},
          std::pair{head + "end 10" + figures + "11 +left\n",
                    "taps:4: nothing may follow the end line"},
          std::pair{head + "20 +left\ncheck 10" + figures,
                    "taps:4: check 10 comes after later frames"},
          std::pair{std::string("corvexa-replay 1\n"), "taps: the replay ends before its seed"}}) {
        try {
            replayOf(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()), message);
        }
    }
}
