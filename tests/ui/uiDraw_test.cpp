#include "ui/uiDraw.h"

#include "platform/platform.h"
#include "platform/randomSequence.h"

#include "support/glRecorder.h"
#include "support/scriptedRand.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>

namespace {

constexpr double pi = 3.141592653589793;

class DrawTest : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::reset();
        scriptedrand::reset();
        savedZoom = Position::getZoom();
        Position::setZoom(1000.0);
    }
    void TearDown() override {
        scriptedrand::reset();
        Position::setZoom(savedZoom);
    }
    double savedZoom = 0.0;
};

void expectPixels(const Position& pos, double x, double y) {
    EXPECT_NEAR(pos.getPixelsX(), x, 1e-9);
    EXPECT_NEAR(pos.getPixelsY(), y, 1e-9);
}

} // namespace

TEST_F(DrawTest, AnEmptyStreamMakesNoCalls) {
    { ogstream gout; }
    EXPECT_TRUE(glrec::calls().empty());
}

TEST_F(DrawTest, FlushDrawsEachLineEighteenPixelsBelowTheLast) {
    {
        ogstream gout;
        gout.setPosition(Position::fromPixels(10.0, 100.0));
        gout << "A\nB";
        gout.flush();
        gout << "C"; // the cursor stays where the last line left it
    }
    const auto lines = glrec::textLines();
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[0].chars, "A");
    EXPECT_FLOAT_EQ(lines[0].x, 10.0F);
    EXPECT_FLOAT_EQ(lines[0].y, 100.0F);
    EXPECT_EQ(lines[1].chars, "B");
    EXPECT_FLOAT_EQ(lines[1].y, 82.0F);
    EXPECT_EQ(lines[2].chars, "C");
    EXPECT_FLOAT_EQ(lines[2].x, 10.0F);
    EXPECT_FLOAT_EQ(lines[2].y, 64.0F);
}

TEST_F(DrawTest, EveryNewlineCostsALineEvenWhenEmpty) {
    {
        ogstream gout;
        gout << "\n\n";
        gout.flush();
        gout << "x\n";
        gout.flush();
        gout << "y";
    }
    const auto lines = glrec::textLines();
    ASSERT_EQ(lines.size(), 4U);
    EXPECT_EQ(lines[0].chars, "");
    EXPECT_FLOAT_EQ(lines[0].y, 0.0F);
    EXPECT_EQ(lines[1].chars, "");
    EXPECT_FLOAT_EQ(lines[1].y, -18.0F);
    EXPECT_EQ(lines[2].chars, "x");
    EXPECT_FLOAT_EQ(lines[2].y, -36.0F);
    EXPECT_FLOAT_EQ(lines[3].y, -54.0F);
}

TEST_F(DrawTest, MovingTheCursorFlushesAtTheOldOne) {
    {
        ogstream gout;
        gout << "A";
        gout.setPosition(Position::fromPixels(-20.0, 40.0));
        gout << "B";
        ogstream& same = (gout = Position::fromPixels(5.0, -5.0));
        EXPECT_EQ(&same, &gout);
        gout << "C";
    }
    const auto lines = glrec::textLines();
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_FLOAT_EQ(lines[0].x, 0.0F);
    EXPECT_FLOAT_EQ(lines[0].y, 0.0F);
    EXPECT_FLOAT_EQ(lines[1].x, -20.0F);
    EXPECT_FLOAT_EQ(lines[1].y, 40.0F);
    EXPECT_FLOAT_EQ(lines[2].x, 5.0F);
    EXPECT_FLOAT_EQ(lines[2].y, -5.0F);
}

TEST_F(DrawTest, TextBytesReachTheFontAsSignedCharacters) {
    drawText(Position::fromPixels(1.0, 2.0), "a\xE9");
    const auto chars = glrec::callsNamed("glutBitmapCharacter");
    ASSERT_EQ(chars.size(), 2U);
    EXPECT_EQ(chars[0].args[0], 97.0);
    EXPECT_EQ(chars[1].args[0], -23.0);
    EXPECT_TRUE(glrec::callsNamed("glColor3f").empty());
}

TEST_F(DrawTest, RotateTurnsOffsetsClockwiseAboutACopyOfTheOrigin) {
    const Position origin;
    expectPixels(rotate(origin, 0.0, 18.0, 0.0), 0.0, 18.0);
    expectPixels(rotate(origin, 0.0, 18.0, pi / 2.0), 18.0, 0.0);
    expectPixels(rotate(origin, 0.0, 18.0, pi), 0.0, -18.0);

    const Position centre = Position::fromPixels(30.0, -40.0);
    expectPixels(rotate(centre, 3.0, 4.0, 0.0), 33.0, -36.0);
    expectPixels(centre, 30.0, -40.0);
}

TEST_F(DrawTest, ColoursAreSentOverTwoHundredFiftySix) {
    setColor(COLOR_BLUE);
    setColor(COLOR_WHITE);
    resetColor();
    const auto colours = glrec::callsNamed("glColor3f");
    ASSERT_EQ(colours.size(), 3U);
    EXPECT_EQ(colours[0].args, (std::vector<double>{0.0, 0.0, 1.0}));
    EXPECT_EQ(colours[1].args, (std::vector<double>{0.99609375, 0.99609375, 0.99609375}));
    EXPECT_EQ(colours[2].args, (std::vector<double>{1.0, 1.0, 1.0}));
}

TEST_F(DrawTest, RectCornersGoInStoredOrderWithTheOffsetTurned) {
    const ColorRect rect{{{-4, 1}, {-4, -1}, {4, -1}, {4, 1}}, &COLOR_RED};
    drawRect(Position::fromPixels(10.0, 20.0), Position(), rect, 0.0);
    drawRect(Position(), Position::fromPixels(0.0, 10.0), rect, pi / 2.0);

    const auto quads = glrec::primitivesOf(graphics::quads);
    ASSERT_EQ(quads.size(), 2U);
    const float expected[4][2] = {{6, 21}, {6, 19}, {14, 19}, {14, 21}};
    ASSERT_EQ(quads[0].vertices.size(), 4U);
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(quads[0].vertices[i].x, expected[i][0]);
        EXPECT_FLOAT_EQ(quads[0].vertices[i].y, expected[i][1]);
        EXPECT_EQ(quads[0].vertices[i].color, (glrec::Rgb{0.99609375F, 0.0F, 0.0F}));
    }
    // (-4, 11) turned a quarter clockwise is (11, 4).
    EXPECT_NEAR(quads[1].vertices[0].x, 11.0F, 1e-5);
    EXPECT_NEAR(quads[1].vertices[0].y, 4.0F, 1e-5);
    // The colour is set inside the begin/end pair.
    EXPECT_EQ(glrec::callNames()[0], "glBegin");
    EXPECT_EQ(glrec::callNames()[1], "glColor3f");
}

TEST_F(DrawTest, IntegerRandomNeverReachesMax) {
    scriptedrand::script({0, 1, 2, 3, RandomSequence::max});
    EXPECT_EQ(random(0, 1), 0);
    EXPECT_EQ(random(0, 1), 0);
    EXPECT_EQ(random(50, 100), 52);
    EXPECT_EQ(random(50, 100), 53);
    EXPECT_EQ(random(50, 100), 50 + RandomSequence::max % 50);
}

TEST_F(DrawTest, RealRandomReachesBothEnds) {
    scriptedrand::script({0, RandomSequence::max, RandomSequence::max / 2});
    EXPECT_EQ(random(-5.0, 5.0), -5.0);
    EXPECT_EQ(random(-5.0, 5.0), 5.0);
    const double middle = random(-5.0, 5.0);
    // Half of an odd RandomSequence::max falls short of the middle by half a step of the generator.
    EXPECT_NEAR(middle, 0.0, 10.0 / RandomSequence::max);
    EXPECT_EQ(random(3.0, 3.0), 3.0);
    platform::seedRandom(7);
    for (int i = 0; i < 1000; ++i) {
        const double value = random(5000.0, 9000.0);
        ASSERT_GE(value, 5000.0);
        ASSERT_LE(value, 9000.0);
    }
}

TEST_F(DrawTest, RandomAssertsItsBounds) {
    EXPECT_DEATH_IF_SUPPORTED(random(1, 1), "min < max");
    EXPECT_DEATH_IF_SUPPORTED(random(2.0, 1.0), "min <= max");
}
