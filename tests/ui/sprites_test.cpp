#include "ui/uiDraw.h"

#include "platform/platform.h"
#include "platform/randomSequence.h"

#include "support/glRecorder.h"
#include "support/scopedZoom.h"
#include "support/scriptedRand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double tolerance = 1e-4; // pixels; vertices reach GL as floats

const glrec::Rgb white{0.99609375F, 0.99609375F, 0.99609375F};
const glrec::Rgb lightGrey{0.765625F, 0.765625F, 0.765625F};
const glrec::Rgb grey{0.5F, 0.5F, 0.5F};
const glrec::Rgb deepBlue{0.25F, 0.25F, 0.609375F};
const glrec::Rgb red{0.99609375F, 0.0F, 0.0F};
const glrec::Rgb fullWhite{1.0F, 1.0F, 1.0F}; // what resetColor makes current

using Corners = std::vector<std::pair<double, double>>;

void expectVertices(const glrec::Primitive& primitive, const Corners& expected) {
    ASSERT_EQ(primitive.vertices.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(primitive.vertices[i].x, expected[i].first, tolerance) << "vertex " << i;
        EXPECT_NEAR(primitive.vertices[i].y, expected[i].second, tolerance) << "vertex " << i;
    }
}

struct Box {
    double width;
    double height;
};

Box extent(const glrec::Primitive& primitive) {
    float minX = primitive.vertices.at(0).x;
    float maxX = minX;
    float minY = primitive.vertices.at(0).y;
    float maxY = minY;
    for (const glrec::Vertex& v : primitive.vertices) {
        minX = std::min(minX, v.x);
        maxX = std::max(maxX, v.x);
        minY = std::min(minY, v.y);
        maxY = std::max(maxY, v.y);
    }
    return Box{maxX - minX, maxY - minY};
}

// What one short-lived stream sends to GL while draw runs on it.
template <typename Draw> std::vector<glrec::Primitive> drawn(Draw draw) {
    glrec::reset();
    {
        ogstream gout;
        draw(gout);
    }
    return glrec::primitives();
}

std::vector<graphics::Mode> modesOf(const std::vector<glrec::Primitive>& primitives) {
    std::vector<graphics::Mode> result;
    for (const glrec::Primitive& primitive : primitives) {
        result.push_back(primitive.mode);
    }
    return result;
}

void expectSamePicture(const std::vector<glrec::Primitive>& actual,
                       const std::vector<glrec::Primitive>& expected) {
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].mode, expected[i].mode);
        ASSERT_EQ(actual[i].vertices.size(), expected[i].vertices.size());
        for (std::size_t j = 0; j < expected[i].vertices.size(); ++j) {
            EXPECT_NEAR(actual[i].vertices[j].x, expected[i].vertices[j].x, tolerance);
            EXPECT_NEAR(actual[i].vertices[j].y, expected[i].vertices[j].y, tolerance);
            EXPECT_EQ(actual[i].vertices[j].color, expected[i].vertices[j].color);
        }
    }
}

class OgstreamSprite : public ::testing::Test {
protected:
    void SetUp() override {
        glrec::reset();
        scriptedrand::reset();
    }
    void TearDown() override { scriptedrand::reset(); }

    ScopedZoom zoom{1000.0};
    // Off the origin, so that a sprite forgetting its centre shows.
    static constexpr double cx = 30.0;
    static constexpr double cy = -20.0;
    const Position center = Position::fromPixels(cx, cy);
};

// Remembers which piece a whole satellite asked for, with the offset it handed over.
class PieceLog : public ogstream {
public:
    std::vector<std::string> pieces;
    std::vector<std::pair<double, double>> offsets;

    void drawCrewDragonRight(const Position&, double, const Position& offset) override {
        note("CrewDragonRight", offset);
    }
    void drawCrewDragonLeft(const Position&, double, const Position& offset) override {
        note("CrewDragonLeft", offset);
    }
    void drawCrewDragonCenter(const Position&, double) override {
        note("CrewDragonCenter", Position());
    }
    void drawGPSCenter(const Position&, double) override { note("GPSCenter", Position()); }
    void drawGPSRight(const Position&, double, const Position& offset) override {
        note("GPSRight", offset);
    }
    void drawGPSLeft(const Position&, double, const Position& offset) override {
        note("GPSLeft", offset);
    }
    void drawHubbleComputer(const Position&, double, const Position& offset) override {
        note("HubbleComputer", offset);
    }
    void drawHubbleTelescope(const Position&, double, const Position& offset) override {
        note("HubbleTelescope", offset);
    }
    void drawHubbleLeft(const Position&, double, const Position& offset) override {
        note("HubbleLeft", offset);
    }
    void drawHubbleRight(const Position&, double, const Position& offset) override {
        note("HubbleRight", offset);
    }
    void drawStarlinkBody(const Position&, double, const Position& offset) override {
        note("StarlinkBody", offset);
    }
    void drawStarlinkArray(const Position&, double, const Position& offset) override {
        note("StarlinkArray", offset);
    }

private:
    void note(const char* piece, const Position& offset) {
        pieces.emplace_back(piece);
        offsets.emplace_back(offset.getPixelsX(), offset.getPixelsY());
    }
};

} // namespace

TEST_F(OgstreamSprite, WholeSatellitesCallTheirPiecesWithTheirOffsets) {
    PieceLog gout;
    gout.drawCrewDragon(center, 0.0);
    gout.drawGPS(center, 0.0);
    gout.drawHubble(center, 0.0);
    gout.drawStarlink(center, 0.0);

    const std::vector<std::string> pieces = {
        "CrewDragonCenter", "CrewDragonRight", "CrewDragonLeft",  "GPSCenter",
        "GPSRight",         "GPSLeft",         "HubbleTelescope", "HubbleComputer",
        "HubbleRight",      "HubbleLeft",      "StarlinkBody",    "StarlinkArray"};
    EXPECT_EQ(gout.pieces, pieces);
    const std::vector<std::pair<double, double>> offsets = {{0, 0},  {-1, 11}, {-1, -11}, {0, 0},
                                                            {0, 12}, {0, -12}, {2, 0},    {-10, 0},
                                                            {1, -8}, {1, 8},   {-1, 0},   {8, -2}};
    ASSERT_EQ(gout.offsets.size(), offsets.size());
    for (std::size_t i = 0; i < offsets.size(); ++i) {
        EXPECT_NEAR(gout.offsets[i].first, offsets[i].first, 1e-9) << pieces[i];
        EXPECT_NEAR(gout.offsets[i].second, offsets[i].second, 1e-9) << pieces[i];
    }
    EXPECT_TRUE(glrec::calls().empty());
}

TEST_F(OgstreamSprite, WholeSatellitesDrawEveryPieceInOrder) {
    const auto crewDragon = drawn([&](ogstream& g) { g.drawCrewDragon(center, 0.3); });
    EXPECT_EQ(modesOf(crewDragon), std::vector<graphics::Mode>(10, graphics::quads));

    std::vector<graphics::Mode> gps(4, graphics::quads);
    for (int panel = 0; panel < 2; ++panel) {
        gps.insert(gps.end(), 4, graphics::quads);
        gps.push_back(graphics::lineStrip);
    }
    EXPECT_EQ(modesOf(drawn([&](ogstream& g) { g.drawGPS(center, 0.3); })), gps);

    drawn([&](ogstream& g) { g.drawHubble(center, 0.3); });
    EXPECT_EQ(glrec::primitivesOf(graphics::quads).size(), 15U);
    EXPECT_EQ(glrec::primitivesOf(graphics::lineStrip).size(), 2U);
    EXPECT_EQ(glrec::primitives().size(), 17U);

    const auto starlink = drawn([&](ogstream& g) { g.drawStarlink(center, 0.3); });
    EXPECT_EQ(modesOf(starlink), std::vector<graphics::Mode>(5, graphics::quads));
}

TEST_F(OgstreamSprite, GPSLeftPanelSitsBelowTheBodyOnlyInsideTheWholeSatellite) {
    // Four centre rows and four of the right panel come first.
    drawn([&](ogstream& g) { g.drawGPS(center, 0.0); });
    const std::vector<glrec::Primitive> whole = glrec::primitivesOf(graphics::quads);
    ASSERT_EQ(whole.size(), 12U);
    expectVertices(whole[8],
                   {{cx - 6, cy - 7}, {cx + 6, cy - 7}, {cx + 6, cy - 11}, {cx - 6, cy - 11}});

    const auto loose = drawn([&](ogstream& g) { g.drawGPSLeft(center, 0.0, Position()); });
    ASSERT_EQ(loose.size(), 5U);
    expectVertices(loose[0],
                   {{cx - 6, cy + 5}, {cx + 6, cy + 5}, {cx + 6, cy + 1}, {cx - 6, cy + 1}});
    EXPECT_EQ(loose[0].vertices[0].color, white);
    EXPECT_EQ(loose[4].mode, static_cast<graphics::Mode>(graphics::lineStrip));
    expectVertices(loose[4], {{cx + 3, cy + 4}, {cx, cy + 8}, {cx - 3, cy + 4}});
    EXPECT_EQ(glrec::currentColor(), white);
}

TEST_F(OgstreamSprite, PieceOffsetTurnsWithTheSprite) {
    // The telescope comes first; at a quarter turn its (2, 0) offset points 2 pixels down.
    auto whole = drawn([&](ogstream& g) { g.drawHubble(center, pi / 2.0); });
    whole.resize(3);
    const auto loose = drawn([&](ogstream& g) {
        g.drawHubbleTelescope(Position::fromPixels(cx, cy - 2), pi / 2.0, Position());
    });
    expectSamePicture(whole, loose);
}

TEST_F(OgstreamSprite, CrewDragonSidePanelsAreTheSamePicture) {
    const Position offset = Position::fromPixels(4.0, -7.0);
    const auto left = drawn([&](ogstream& g) { g.drawCrewDragonLeft(center, 1.1, offset); });
    const auto right = drawn([&](ogstream& g) { g.drawCrewDragonRight(center, 1.1, offset); });
    ASSERT_EQ(left.size(), 3U);
    expectSamePicture(right, left);
    EXPECT_EQ(left[0].vertices[0].color, deepBlue);
    EXPECT_EQ(glrec::currentColor(), grey);
}

TEST_F(OgstreamSprite, BulletAndFragmentKeepTheirShapes) {
    const auto bullet = drawn([&](ogstream& g) { g.drawProjectile(center); });
    ASSERT_EQ(bullet.size(), 1U);
    expectVertices(bullet[0],
                   {{cx + 1, cy + 1}, {cx - 1, cy + 1}, {cx - 1, cy - 1}, {cx + 1, cy - 1}});
    EXPECT_EQ(bullet[0].vertices[0].color, white);

    const auto fragments = drawn([&](ogstream& g) {
        g.drawFragment(center, 0.0);
        g.drawFragment(center, pi / 2.0);
    });
    ASSERT_EQ(modesOf(fragments), (std::vector<graphics::Mode>{graphics::quads, graphics::quads}));
    EXPECT_NEAR(extent(fragments[0]).width, 8.0, tolerance);
    EXPECT_NEAR(extent(fragments[0]).height, 2.0, tolerance);
    EXPECT_NEAR(extent(fragments[1]).width, 2.0, tolerance);
    EXPECT_NEAR(extent(fragments[1]).height, 8.0, tolerance);
    EXPECT_EQ(fragments[1].vertices[0].color, lightGrey);
    EXPECT_EQ(glrec::currentColor(), lightGrey);
}

TEST_F(OgstreamSprite, SputnikIsAFanWithFourAntennas) {
    const auto sputnik = drawn([&](ogstream& g) { g.drawSputnik(center, pi); });
    ASSERT_EQ(modesOf(sputnik),
              (std::vector<graphics::Mode>{graphics::triangleFan, graphics::lines}));
    const std::vector<glrec::Vertex>& sphere = sputnik[0].vertices;
    ASSERT_EQ(sphere.size(), 11U);
    EXPECT_NEAR(sphere[0].x, cx, tolerance);
    EXPECT_NEAR(sphere[0].y, cy, tolerance);
    EXPECT_EQ(sphere[5].x, sphere[6].x);
    EXPECT_EQ(sphere[5].y, sphere[6].y);
    EXPECT_EQ(sphere[1].x, sphere[10].x);
    EXPECT_EQ(sphere[0].color, grey);

    // Turned half round, the antennas trail upward.
    expectVertices(sputnik[1], {{cx + 6, cy - 2},
                                {cx + 10, cy + 15},
                                {cx, cy - 1},
                                {cx + 2.5, cy + 15},
                                {cx - 2, cy + 6},
                                {cx - 2.5, cy + 15},
                                {cx - 6, cy - 2},
                                {cx - 10, cy + 15}});
    EXPECT_EQ(sputnik[1].vertices[0].color, white);
    EXPECT_EQ(glrec::currentColor(), white);
}

TEST_F(OgstreamSprite, ShipPointsWhereItsAngleSays) {
    const auto ships = drawn([&](ogstream& g) {
        g.drawShip(center, 0.0, false);
        g.drawShip(center, pi / 2.0, false);
    });
    ASSERT_EQ(modesOf(ships),
              (std::vector<graphics::Mode>{graphics::triangleFan, graphics::quads,
                                           graphics::triangleFan, graphics::quads}));
    const glrec::Primitive& upright = ships[0];
    const glrec::Primitive& turned = ships[2];
    ASSERT_EQ(upright.vertices.size(), 22U);
    // The nose is the pair of points at 10 and 11.
    expectVertices(glrec::Primitive{graphics::lines, {upright.vertices[10], upright.vertices[11]}},
                   {{cx - 1, cy + 18}, {cx + 1, cy + 18}});
    expectVertices(glrec::Primitive{graphics::lines, {turned.vertices[10], turned.vertices[11]}},
                   {{cx + 18, cy + 1}, {cx + 18, cy - 1}});
    EXPECT_NEAR(extent(upright).height, 30.0, tolerance);
    EXPECT_NEAR(extent(turned).width, 30.0, tolerance);
    EXPECT_EQ(upright.vertices[0].color, lightGrey);

    ASSERT_EQ(ships[1].vertices.size(), 16U);
    EXPECT_EQ(ships[1].vertices[15].color, deepBlue);
    EXPECT_EQ(glrec::currentColor(), fullWhite);
}

TEST_F(OgstreamSprite, ShipFlameDrawsFromTheGeneratorOnlyWhileThrusting) {
    const auto coasting = drawn([&](ogstream& g) { g.drawShip(center, 0.0, false); });
    EXPECT_EQ(scriptedrand::callCount(), 0);
    EXPECT_EQ(modesOf(coasting),
              (std::vector<graphics::Mode>{graphics::triangleFan, graphics::quads}));

    for (unsigned seed = 1; seed <= 20; ++seed) {
        platform::seedRandom(seed);
        const auto thrusting = drawn([&](ogstream& g) { g.drawShip(center, 0.0, true); });
        const int afterThrusting = platform::nextRandom();
        platform::seedRandom(seed);
        for (int i = 0; i < 4; ++i) {
            platform::nextRandom();
        }
        EXPECT_EQ(afterThrusting, platform::nextRandom()) << "seed " << seed;

        ASSERT_EQ(modesOf(thrusting),
                  (std::vector<graphics::Mode>{graphics::triangleFan, graphics::triangles,
                                               graphics::quads}));
        const std::vector<glrec::Vertex>& flame = thrusting[1].vertices;
        ASSERT_EQ(flame.size(), 6U);
        for (int tip : {1, 4}) {
            EXPECT_GE(flame[tip].y - cy, -25.0 - tolerance);
            EXPECT_LE(flame[tip].y - cy, -13.0 + tolerance);
            EXPECT_LE(std::abs(flame[tip].x - cx), 5.0 + tolerance);
            EXPECT_EQ(flame[tip].color, red);
        }
    }
}

TEST_F(OgstreamSprite, ShipFlameTipTakesItsHeightBeforeItsSideways) {
    // Lowest height, rightmost; then highest height, leftmost.
    scriptedrand::script({0, RandomSequence::max, RandomSequence::max, 0});
    const auto ship = drawn([&](ogstream& g) { g.drawShip(center, 0.0, true); });
    EXPECT_EQ(scriptedrand::callCount(), 4);
    expectVertices(ship.at(1), {{cx - 3, cy - 9},
                                {cx + 5, cy - 25},
                                {cx + 3, cy - 9},
                                {cx - 3, cy - 9},
                                {cx - 5, cy - 13},
                                {cx + 3, cy - 9}});
    EXPECT_EQ(glrec::currentColor(), fullWhite);
}
