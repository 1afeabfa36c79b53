#include "window/uiInteract.h"

#include "physics/constants.h"
#include "support/fakePlatform.h"
#include "support/glRecorder.h"
#include "support/windowProbe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// What the world would have seen of the keys in one frame.
struct SeenKeys {
    int down;
    int up;
    int left;
    int right;
    bool space;
};

std::vector<SeenKeys> seen;
std::vector<void*> seenData;

void recordingCallback(WindowInterface* pUI, void* userData) {
    seen.push_back({pUI->getHeldDown(), pUI->getHeldUp(), pUI->getHeldLeft(), pUI->getHeldRight(),
                    pUI->isSpacePressed()});
    seenData.push_back(userData);
}

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::reset();
        fakeplatform::reset();
        WindowProbe::reset();
        seen.clear();
        seenData.clear();
        savedZoom = Position::getZoom();
        Position::setZoom(runningZoom);
    }
    void TearDown() override { Position::setZoom(savedZoom); }

    static Position corner(double width, double height) {
        Position pt;
        pt.setPixelsX(width);
        pt.setPixelsY(height);
        return pt;
    }
    void open(double width = 700.0, double height = 500.0) {
        WindowInterface ui(1, argv, "Corvexa", corner(width, height));
        WindowProbe::setCallback(recordingCallback, &world);
    }
    // One frame as the toolkit runs it: its idle function.
    static void frame() { glrec::toolkit().idle(); }
    static void asciiDown(unsigned char key) { glrec::toolkit().keyboard(key, 0, 0); }
    static void asciiUp(unsigned char key) { glrec::toolkit().keyboardUp(key, 0, 0); }
    static void specialDown(int key) { glrec::toolkit().special(key, 0, 0); }
    static void specialUp(int key) { glrec::toolkit().specialUp(key, 0, 0); }

    char programName[8] = "corvexa";
    char* argv[2] = {programName, nullptr};
    int world = 0;
    double savedZoom = 0.0;
};

} // namespace

TEST_F(WindowTest, InitializeSetsUpTheToolkitInOrder) {
    open();
    const std::vector<std::string> expected = {
        "glutInit",         "glutInitWindowSize",  "glutInitWindowPosition", "glutInitDisplayMode",
        "glutCreateWindow", "glutIgnoreKeyRepeat", "glClearColor",           "gluOrtho2D",
        "glutDisplayFunc",  "glutIdleFunc",        "glutKeyboardFunc",       "glutKeyboardUpFunc",
        "glutSpecialFunc",  "glutSpecialUpFunc",   "glutSetOption"};
    EXPECT_EQ(glrec::callNames(), expected);
    const auto& calls = glrec::calls();
    EXPECT_EQ(calls[0].args, std::vector<double>{1});
    EXPECT_EQ(calls[1].args, (std::vector<double>{700, 500}));
    EXPECT_EQ(calls[2].args, (std::vector<double>{0, 0}));
    EXPECT_EQ(calls[3].args, std::vector<double>{graphics::displayDouble});
    EXPECT_EQ(calls[4].text, "Corvexa");
    EXPECT_EQ(calls[5].args, std::vector<double>{1});
    EXPECT_EQ(calls[6].args, (std::vector<double>{0, 0, 0, 0}));
    EXPECT_EQ(calls[7].args, (std::vector<double>{-350, 350, -250, 250}));
    EXPECT_EQ(calls[14].args, (std::vector<double>{graphics::actionOnWindowClose,
                                                   graphics::actionMainLoopReturns}));
    EXPECT_EQ(glrec::toolkit().display, glrec::toolkit().idle);
    EXPECT_TRUE(WindowProbe::isInitialized());
}

TEST_F(WindowTest, OddSizesTruncateTheProjectionHalves) {
    open(701.0, 501.0);
    EXPECT_EQ(glrec::callsNamed("glutInitWindowSize")[0].args, (std::vector<double>{701, 501}));
    EXPECT_EQ(glrec::callsNamed("gluOrtho2D")[0].args, (std::vector<double>{-350, 350, -250, 250}));
}

TEST_F(WindowTest, ASecondWindowChangesNothing) {
    open();
    glrec::reset();
    WindowInterface second(1, argv, "Other", corner(300.0, 200.0));
    EXPECT_TRUE(glrec::calls().empty());
}

TEST_F(WindowTest, RunRegistersTheCallbackThenEntersTheLoop) {
    open();
    WindowProbe::setCallback(nullptr, nullptr);
    glrec::toolkit().mainLoop = [] { glrec::toolkit().display(); };
    WindowInterface().run(recordingCallback, &world);
    EXPECT_EQ(glrec::callNames().back(), "glutSwapBuffers");
    ASSERT_EQ(seenData.size(), 1U);
    EXPECT_EQ(seenData[0], &world);
}

TEST_F(WindowTest, AFrameClearsCallsTheWorldThenSwaps) {
    open();
    glrec::reset();
    WindowInterface::displayFrame();
    const std::vector<std::string> expected = {"glClear", "glColor3f", "glutSwapBuffers"};
    EXPECT_EQ(glrec::callNames(), expected);
    EXPECT_EQ(glrec::calls()[0].args, std::vector<double>{graphics::colorBufferBit});
    EXPECT_EQ(glrec::calls()[1].args, (std::vector<double>{1, 1, 1}));
    EXPECT_EQ(seen.size(), 1U);
}

TEST_F(WindowTest, EarlyFramesWaitAndLateFramesDoNot) {
    open();
    fakeplatform::setClock(1000);
    frame(); // the first frame is never early
    EXPECT_TRUE(fakeplatform::sleeps().empty());
    EXPECT_EQ(WindowProbe::getNextFrameTick(), 1033U);

    fakeplatform::advanceClock(10);
    frame(); // early: the fixed wait
    EXPECT_EQ(fakeplatform::sleeps(), std::vector<unsigned int>{35});
    EXPECT_EQ(WindowProbe::getNextFrameTick(), 1045U + 33U);

    fakeplatform::advanceClock(40);
    frame(); // late: no wait
    EXPECT_EQ(fakeplatform::sleeps().size(), 1U);
    EXPECT_EQ(seen.size(), 3U);
}

TEST_F(WindowTest, WaitAddsWholeSecondsOfALongPeriod) {
    open();
    WindowProbe::setFramePeriod(5.0);
    frame();
    frame();
    EXPECT_EQ(fakeplatform::sleeps(), std::vector<unsigned int>{40});
}

// After 49.7 days the millisecond clock wraps: a frame due just before it and checked just
// after is late, and one due just after it and checked just before is early by a few ticks.
TEST_F(WindowTest, FramesAcrossTheClocksWrapWaitAsAnyOther) {
    open();
    WindowProbe::setNextFrameTick(0xFFFFFFFBU);
    fakeplatform::setClock(3);
    frame();
    EXPECT_TRUE(fakeplatform::sleeps().empty());
    EXPECT_EQ(WindowProbe::getNextFrameTick(), 3U + 33U);

    WindowProbe::setNextFrameTick(20);
    fakeplatform::setClock(0xFFFFFFF0U);
    frame();
    EXPECT_EQ(fakeplatform::sleeps(), std::vector<unsigned int>{35});
}

TEST_F(WindowTest, WaitStaysBoundedWhenTheDueTickPassesBetweenReadings) {
    open();
    WindowProbe::setNextFrameTick(10000);
    fakeplatform::setClock(9999);
    fakeplatform::setStepPerReading(5000);
    frame();
    EXPECT_EQ(fakeplatform::sleeps(), std::vector<unsigned int>{35});
}

TEST_F(WindowTest, HeldKeysCountFramesUntilReleased) {
    open();
    specialDown(graphics::keyLeft);
    frame();
    frame();
    specialUp(graphics::keyLeft);
    frame();
    ASSERT_EQ(seen.size(), 3U);
    EXPECT_EQ(seen[0].left, 1);
    EXPECT_EQ(seen[1].left, 2);
    EXPECT_EQ(seen[2].left, 0);

    // Pressed and released between two frames: no frame sees it.
    specialDown(graphics::keyRight);
    specialUp(graphics::keyRight);
    frame();
    EXPECT_EQ(seen.back().right, 0);
}

TEST_F(WindowTest, LettersShareTheArrowCounters) {
    open();
    asciiDown('w');
    specialDown(graphics::keyDown);
    asciiDown('A');
    asciiDown('d');
    asciiDown('S');
    frame();
    EXPECT_EQ(seen[0].down, 1);
    EXPECT_EQ(seen[0].left, 1);
    EXPECT_EQ(seen[0].right, 1);
    EXPECT_EQ(seen[0].up, 1);

    asciiUp('W'); // one counter for both keys
    frame();
    EXPECT_EQ(seen[1].down, 0);
    EXPECT_EQ(seen[1].left, 2);

    asciiDown('a'); // a fresh press starts the count again
    frame();
    EXPECT_EQ(seen[2].left, 1);
}

TEST_F(WindowTest, OtherKeysChangeNothing) {
    open();
    for (const unsigned char key : {'x', 'q', '\r', '\x1b', 'z'}) {
        asciiDown(key);
        asciiUp(key);
    }
    asciiDown('x');
    specialDown(graphics::keyF1);
    specialDown(graphics::keyPageUp);
    frame();
    EXPECT_EQ(seen[0].down + seen[0].up + seen[0].left + seen[0].right, 0);
    EXPECT_FALSE(seen[0].space);
}

TEST_F(WindowTest, SpaceFiresForExactlyOneFrame) {
    open();
    asciiDown(' ');
    asciiUp(' '); // ignored: the frame still sees the press
    frame();
    frame();
    EXPECT_TRUE(seen[0].space);
    EXPECT_FALSE(seen[1].space);

    asciiDown(' '); // held down across frames: key repeat is off
    frame();
    frame();
    EXPECT_TRUE(seen[2].space);
    EXPECT_FALSE(seen[3].space);
}

TEST_F(WindowTest, HomeActsAsSpaceButItsReleaseClearsTheShot) {
    open();
    specialDown(graphics::keyHome);
    frame();
    specialDown(graphics::keyHome);
    specialUp(graphics::keyHome);
    frame();
    EXPECT_TRUE(seen[0].space);
    EXPECT_FALSE(seen[1].space);
}

TEST_F(WindowTest, AFrameWithoutCallbackIsAnAssertion) {
    WindowProbe::reset();
    EXPECT_DEATH_IF_SUPPORTED(WindowInterface::displayFrame(), "ui.callBack != NULL");
}
