#include "session/windowSession.h"

#include "headless/session.h"
#include "physics/constants.h"
#include "session/census.h"
#include "support/fakePlatform.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"
#include "support/windowProbe.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>

namespace {

void sessionFrame(WindowInterface* pUI, void* userData) {
    static_cast<WindowSession*>(userData)->frame(*pUI);
}

// Thrust, two shots and a turn: the flame and the fragments draw random numbers.
const char* const replayText = "corvexa-replay 2\nseed 7\n"
                               "20 +down\n40 space\n41 space\n60 -down +left\n"
                               "world 90 4242\n95 -left\n120 space\n";

class Explore : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::reset();
        glrec::setRecording(false);
        fakeplatform::reset();
        WindowProbe::reset();
        path = testing::TempDir() + "explore.replay";
        std::ofstream(path) << replayText;
    }
    void TearDown() override { WindowProbe::reset(); }

    // The replay in the window's viewer, as the program starts it, its frames run by the window.
    std::unique_ptr<WindowSession> openViewer() const {
        WindowOptions options;
        options.mode = WindowOptions::Mode::replay;
        options.path = path;
        auto session = std::make_unique<WindowSession>(options);
        session->start();
        WindowProbe::setCallback(sessionFrame, session.get());
        return session;
    }

    // The replay in the window's viewer, the actions before each shown frame, until the world
    // has run that many frames: its census then.
    Census view(long long frames, const std::function<void(WindowSession&, int)>& before,
                int leastShown = 0) {
        const ScopedZoom zoom(runningZoom);
        const std::unique_ptr<WindowSession> pViewer = openViewer();
        WindowSession& session = *pViewer;
        for (int shown = 0; (session.getFrame() < frames || shown < leastShown) && shown < 10000;
             ++shown) {
            before(session, shown);
            WindowInterface::displayFrame();
        }
        EXPECT_EQ(session.getFrame(), frames);
        return takeCensus(session.getWorld(), session.getFrame());
    }

    std::string path;
};

} // namespace

// Whatever the speed, the pauses, the steps and the seeks, every world frame is a whole frame:
// the viewer lands on the world the headless runner reaches, new world included.
TEST_F(Explore, TheWorldIsTheSameAtEverySpeedPausedSteppedOrSought) {
    std::istringstream in(replayText);
    const Replay replay = Replay::parse(in, "explore");
    Census headless{};
    {
        HeadlessSession session(replay.getSeed(), replay.getScript(), replay.getRebuilds());
        while (session.getFrame() < 160) {
            session.runFrame();
        }
        headless = takeCensus(session);
    }
    EXPECT_EQ(headless.bullets + headless.fragments > 0, true);

    const Census normal = view(160, [](WindowSession&, int) {});
    const Census fast = view(160, [](WindowSession& session, int shown) {
        if (shown == 0) {
            for (int i = 0; i < 3; ++i) {
                session.command(Command::faster); // x8
            }
        }
    });
    const Census stepped = view(160, [](WindowSession& session, int shown) {
        if (shown == 0) {
            session.command(Command::pause);
        }
        // Two shown frames redrawn, then one step.
        if (shown % 3 == 2) {
            session.command(Command::step);
        }
    });
    const Census sought = view(
        160,
        [](WindowSession& session, int shown) {
            // Forward past the new world, back to the start, then on to the frame.
            if (shown == 0) {
                session.command(Command::forward);
            }
            if (shown == 1) {
                session.seek(30);
            }
            if (shown == 2) {
                session.seek(160);
            }
        },
        3);
    for (const Census& census : {normal, fast, stepped, sought}) {
        EXPECT_EQ(census.worldDigest, headless.worldDigest);
        EXPECT_EQ(census.breakUps, headless.breakUps);
    }
}

// However many world frames a shown frame runs, fast or seeking, the picture is cleared once
// more after the unseen ones, not once for each: a clear costs more than a world frame.
TEST_F(Explore, AShownFrameDrawsThePictureOnceAtAnySpeed) {
    const ScopedZoom zoom(runningZoom);
    const std::unique_ptr<WindowSession> pViewer = openViewer();
    WindowSession& session = *pViewer;
    const auto shownFrame = [] {
        glrec::reset();
        WindowInterface::displayFrame();
        glrec::setRecording(false);
        return glrec::callsNamed("glClear").size();
    };
    for (int i = 0; i < 6; ++i) {
        session.command(Command::faster); // x64
    }
    EXPECT_EQ(shownFrame(), 2U);
    EXPECT_EQ(session.getFrame(), 64);
    session.seek(150);
    EXPECT_EQ(shownFrame(), 2U);
    EXPECT_EQ(session.getFrame(), 150);
}
