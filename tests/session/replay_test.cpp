#include "session/replay.h"

#include "headless/headless.h"
#include "headless/session.h"
#include "session/input.h"
#include "session/sceneInput.h"
#include "support/quietDrawing.h"

#include <gtest/gtest.h>

#include <cstring>
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

// A replay carries the scene its world was built from, comments and all, and plays it alone; a
// bad scene line in it is named by the replay's own line.
TEST_F(Replays, CarryTheirSceneWhichTheyPlayAgain) {
    std::istringstream sceneText("corvexa-scene 1\ntitle Two\n# two of them\n"
                                 "gps orbit perigee 20182 count 2\nship none\n");
    const Scene scene = readScene(sceneText, "two.scene");
    std::ostringstream written;
    {
        HeadlessSession session(5, KeyScript(), {}, &scene);
        ReplayWriter writer(written, 5, &scene);
        session.runFrame();
        writer.end(session.getWorld(), session.getFrame());
    }
    const std::string head = "corvexa-replay 2\nseed 5\nscene corvexa-scene 1\nscene title Two\n";
    EXPECT_EQ(written.str().rfind(head, 0), 0U);
    const Replay replay = replayOf(written.str());
    ASSERT_NE(replay.getScene(), nullptr);
    EXPECT_EQ(replay.getScene()->getLines(), scene.getLines());
    std::ostringstream verdict;
    EXPECT_EQ(verifyReplay(replay, verdict), 0);
    EXPECT_EQ(verdict.str(), "replay matches\n");
    EXPECT_EQ(replayOf("corvexa-replay 1\nseed 1\n").getScene(), nullptr);

    for (const auto& [text, message] :
         {std::pair{std::string("corvexa-replay 2\nseed 1\nscene corvexa-scene 1\nscene gsp\n"),
                    "taps:4: unknown object 'gsp'"},
          std::pair{std::string("corvexa-replay 2\nseed 1\n3 +left\nscene corvexa-scene 1\n"),
                    "taps:4: the scene comes before the first key event or check"},
          std::pair{std::string("corvexa-replay 2\nseed 1\nscene corvexa-scene 1\n"),
                    "taps:3: the scene has no title line"},
          std::pair{std::string("corvexa-replay 1\nseed 1\nscene corvexa-scene 1\n"),
                    "taps:3: frame 'scene' is not a whole number"}}) {
        try {
            replayOf(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const InputError& error) {
            EXPECT_EQ(std::string(error.what()).substr(0, std::strlen(message)), message);
        }
    }
}
