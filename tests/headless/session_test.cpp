#include "headless/session.h"

#include "objects/bullet.h"
#include "physics/gravity.h"
#include "support/scopedZoom.h"
#include "headless/headless.h"

#include "physics/constants.h"
#include "platform/platform.h"
#include "support/fakePlatform.h"
#include "support/quietDrawing.h"
#include "support/runningWindow.h"
#include "support/windowProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

using HeadlessRun = QuietDrawing;
using Session = QuietDrawing;

namespace {

KeyScript scriptOf(const std::string& text) {
    std::istringstream in(text);
    return KeyScript::parse(in, "keys");
}

std::string report(unsigned int seed, long long frames, const std::string& keys = "") {
    Options options;
    options.seed = seed;
    options.frames = frames;
    std::ostringstream out;
    runHeadless(options, scriptOf(keys), out);
    return out.str();
}

// The report's rows by frame, each split into its columns.
std::vector<std::vector<std::string>> rowsOf(const std::string& csv) {
    std::istringstream lines(csv);
    std::string line;
    std::getline(lines, line);
    std::vector<std::vector<std::string>> rows;
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::istringstream fields(line);
        for (std::string field; std::getline(fields, field, ',');) {
            columns.push_back(field);
        }
        rows.push_back(columns);
    }
    return rows;
}

enum Column {
    frameColumn,
    secondsColumn,
    satellitesColumn,
    partsColumn,
    fragmentsColumn,
    bulletsColumn,
    shipColumn,
    createdColumn,
    breakUpsColumn
};

// The same sum reached through the Earth's pull instead of mu: mu / r = |g(r)| * r.
double energyThroughGravity(const Simulator& world) {
    double total = 0.0;
    for (const Satellite* pSatellite : world.getSatellites()) {
        if (!pSatellite->isAlive()) {
            continue;
        }
        const Position& position = pSatellite->getPosition();
        const Acceleration pull = Gravity().getAcceleration(position);
        const double r = std::hypot(position.getMetersX(), position.getMetersY());
        const double v =
            std::hypot(pSatellite->getVelocity().getDX(), pSatellite->getVelocity().getDY());
        total += v * v / 2.0 - std::hypot(pull.getDDX(), pull.getDDY()) * r;
    }
    return total;
}

using Counts = std::vector<long long>;

Counts countsOf(const Census& census) {
    return {census.satellites, census.parts,   census.fragments, census.bullets,
            census.shipAlive,  census.created, census.breakUps};
}

} // namespace

TEST_F(HeadlessRun, ABulletFiredInTheFirstFrameExpiresAfterItsSeventiethStep) {
    const auto rows = rowsOf(report(1, 80, "1 space\n"));
    ASSERT_EQ(rows.size(), 81U);
    EXPECT_EQ(rows[0][bulletsColumn], "0");
    EXPECT_EQ(rows[0][createdColumn], "0");
    for (int frame = 1; frame <= 80; ++frame) {
        const auto& row = rows[frame];
        EXPECT_EQ(row[frameColumn], std::to_string(frame));
        EXPECT_EQ(row[secondsColumn], std::to_string(frame * 48));
        EXPECT_EQ(row[bulletsColumn], frame < 70 ? "1" : "0") << "frame " << frame;
        EXPECT_EQ(row[createdColumn], "1") << "frame " << frame;
        // Running out of life is no break-up.
        EXPECT_EQ(row[breakUpsColumn], "0") << "frame " << frame;
        EXPECT_EQ(row[satellitesColumn], "10");
        EXPECT_EQ(row[shipColumn], "1");
    }
}

TEST_F(HeadlessRun, LeftAloneTheShipMeetsAGpsSatelliteWhosePartsBreakInTheNextFrame) {
    const auto rows = rowsOf(report(1, 400));
    ASSERT_EQ(rows.size(), 401U);
    const auto counts = [&rows](int frame) {
        const auto& row = rows[frame];
        return std::vector<std::string>(row.begin() + satellitesColumn, row.end() - 1);
    };
    // satellites, parts, fragments, bullets, ship, created, break-ups
    using Fields = std::vector<std::string>;
    EXPECT_EQ(counts(159), (Fields{"10", "0", "0", "0", "1", "0", "0"}));
    // The GPS satellite breaks into its three parts, the ship simply dies.
    EXPECT_EQ(counts(160), (Fields{"9", "3", "0", "0", "0", "3", "2"}));
    // The first two parts touch and break into three fragments each; the third survives.
    EXPECT_EQ(counts(161), (Fields{"9", "1", "6", "0", "0", "9", "4"}));
    // Fragments that run out of life are gone but are no break-up. Which fragments meet another
    // on the way depends on the C library's generator, so every frame's losses are accounted
    // for: objects that left without breaking up can only be fragments at the end of their life.
    const auto number = [&rows](int frame, int column) { return std::stoi(rows[frame][column]); };
    const auto live = [&number](int frame) {
        return number(frame, satellitesColumn) + number(frame, partsColumn) +
               number(frame, fragmentsColumn) + number(frame, bulletsColumn) +
               number(frame, shipColumn);
    };
    int expired = 0;
    for (int frame = 163; frame <= 400; ++frame) {
        const int left = live(frame - 1) - live(frame) + number(frame, createdColumn) -
                         number(frame - 1, createdColumn);
        const int brokeUp = number(frame, breakUpsColumn) - number(frame - 1, breakUpsColumn);
        EXPECT_GE(left - brokeUp, 0) << "frame " << frame;
        EXPECT_LE(left - brokeUp, number(frame - 1, fragmentsColumn)) << "frame " << frame;
        expired += left - brokeUp;
    }
    EXPECT_GT(expired, 0);
    EXPECT_EQ(rows[400][fragmentsColumn], "0");
}

TEST_F(HeadlessRun, TheSameSeedRepeatsTheRunAndAnotherSeedChangesTheCascade) {
    const std::string first = report(1, 300);
    EXPECT_EQ(report(1, 300), first);
    const std::string other = report(2, 300);
    EXPECT_NE(other, first);
    // Nothing random happens before the first fragments leave in frame 161.
    const auto firstRows = rowsOf(first);
    const auto otherRows = rowsOf(other);
    for (int frame = 0; frame <= 161; ++frame) {
        EXPECT_EQ(otherRows[frame], firstRows[frame]) << "frame " << frame;
    }
}

TEST_F(Session, ReplaysKeysAsTheWindowDeliversThem) {
    HeadlessSession session(1, scriptOf("2 +left\n4 -left\n5 down\n6 space\n7 home\n"));
    const Ship& ship = session.getWorld().getShip();
    const auto& objects = session.getWorld().getDynamicObjects();
    const double oneTurnLeft = 6.283185307179586 - 0.06;

    session.runFrame();
    EXPECT_EQ(ship.getAngle().getRadians(), 0.0);
    session.runFrame();
    EXPECT_DOUBLE_EQ(ship.getAngle().getRadians(), oneTurnLeft);
    session.runFrame();
    EXPECT_DOUBLE_EQ(ship.getAngle().getRadians(), oneTurnLeft - 0.06);
    session.runFrame();
    EXPECT_DOUBLE_EQ(ship.getAngle().getRadians(), oneTurnLeft - 0.06);

    // A tapped key is held for its frame alone.
    const double dy = ship.getVelocity().getDY();
    session.runFrame();
    EXPECT_TRUE(ship.isThrusting());
    const double pushed = ship.getVelocity().getDY();
    EXPECT_NEAR(pushed - dy, 96.0 * std::cos(ship.getAngle().getRadians()), 1e-9);
    EXPECT_TRUE(objects.empty());

    session.runFrame();
    EXPECT_FALSE(ship.isThrusting());
    EXPECT_EQ(ship.getVelocity().getDY(), pushed);
    EXPECT_EQ(objects.size(), 1U);
    session.runFrame();
    EXPECT_EQ(objects.size(), 2U);
    session.runFrame();
    session.runFrame();
    EXPECT_EQ(objects.size(), 2U);
    EXPECT_EQ(session.getFrame(), 9);
}

TEST_F(Session, StartsFromNoKeysAtTheRunningScaleAndPutsTheScaleBack) {
    const ScopedZoom zoom(200000.0);
    {
        HeadlessSession leaver(1, scriptOf("1 +right +down space\n"));
        leaver.runFrame();
    }
    EXPECT_EQ(Position::getZoom(), 200000.0);

    HeadlessSession session(1);
    EXPECT_EQ(Position::getZoom(), 100000.0);
    // The ship starts 250 pixels left of and above the Earth at 100 000 m a pixel.
    EXPECT_NEAR(session.getWorld().getShip().getPosition().getMetersX(), -25000000.0, 1e-6);
    session.runFrame();
    EXPECT_EQ(session.getWorld().getShip().getAngle().getRadians(), 0.0);
    EXPECT_FALSE(session.getWorld().getShip().isThrusting());
    EXPECT_TRUE(session.getWorld().getDynamicObjects().empty());
}

TEST_F(Session, AShotHubbleBreaksIntoFourPartsThatPairOffIntoNineFragments) {
    HeadlessSession session(5);
    Simulator& world = session.getWorld();
    const Census start = takeCensus(session);
    EXPECT_NEAR(start.energy, energyThroughGravity(world), 1e-6 * std::fabs(start.energy));
    EXPECT_LT(start.energy, 0.0);

    // A bullet riding with the Hubble moves exactly as the Hubble does, so they touch.
    const Satellite& hubble = *world.getSatellites()[1];
    world.addObject(new Bullet(hubble.getPosition(), hubble.getVelocity()));
    session.runFrame();
    const Census hit = takeCensus(session);
    // satellites, parts, fragments, bullets, ship, created, break-ups
    EXPECT_EQ(countsOf(hit), (Counts{9, 4, 0, 0, 1, 5, 2}));
    // The broken Hubble no longer counts.
    EXPECT_NEAR(hit.energy, energyThroughGravity(world), 1e-6 * std::fabs(hit.energy));
    EXPECT_GT(hit.energy, start.energy);

    // Telescope (3) with computer (2), then left (2) with right (2).
    session.runFrame();
    const Census scattered = takeCensus(session);
    EXPECT_EQ(countsOf(scattered), (Counts{9, 0, 9, 0, 1, 14, 6}));
    EXPECT_EQ(scattered.frame, 2);
    EXPECT_EQ(scattered.seconds, 96.0);
}

namespace {

// The window program's own loop, as the toolkit runs it: key callbacks between frames, then
// the idle function, through the recording backend.
struct WindowRun {
    const std::vector<KeyEvent>* events = nullptr;
    long long frames = 0;
};
WindowRun windowRun;

void windowLoop() {
    const std::vector<KeyEvent>& events = *windowRun.events;
    std::size_t next = 0;
    for (long long frame = 1; frame <= windowRun.frames; ++frame) {
        for (; next < events.size() && events[next].frame <= frame; ++next) {
            const KeyEvent& event = events[next];
            if (event.code == ' ') {
                (event.pressed ? glrec::toolkit().keyboard : glrec::toolkit().keyboardUp)(' ', 0,
                                                                                          0);
            } else {
                (event.pressed ? glrec::toolkit().special : glrec::toolkit().specialUp)(event.code,
                                                                                        0, 0);
            }
        }
        glrec::toolkit().idle();
    }
}

} // namespace

// The ship's flame draws random numbers in every frame it shows; the fragments of a later
// break-up draw theirs after them. The headless runner must draw as the window does to give
// them the window's numbers.
TEST_F(Session, FollowsTheWindowsFramesThroughThrustAndBreakUps) {
    const KeyScript script = scriptOf("1 +right\n11 -right +down\n21 -down +left space\n"
                                      "32 space\n43 space\n54 space\n65 space\n76 space\n");
    constexpr long long frames = 400;

    HeadlessSession session(1, script);
    for (long long frame = 0; frame < frames; ++frame) {
        session.runFrame();
    }
    const Census headless = takeCensus(session);
    ASSERT_GT(headless.breakUps, 0);

    fakeplatform::reset();
    WindowProbe::reset();
    char name[] = "corvexa";
    char* argv[] = {name, nullptr};
    WindowInterface ui(1, argv, windowTitle, runningUpperRight());
    platform::seedRandom(1);
    Simulator world;
    windowRun = {&script.getEvents(), frames};
    glrec::toolkit().mainLoop = windowLoop;
    ui.run(updateWorld, &world);
    WindowProbe::reset();

    const auto& expected = session.getWorld().getDynamicObjects();
    const auto& actual = world.getDynamicObjects();
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i]->isAlive(), expected[i]->isAlive()) << "object " << i;
        EXPECT_EQ(actual[i]->getPosition().getMetersX(), expected[i]->getPosition().getMetersX())
            << "object " << i;
        EXPECT_EQ(actual[i]->getPosition().getMetersY(), expected[i]->getPosition().getMetersY())
            << "object " << i;
    }
    EXPECT_EQ(world.getShip().getPosition().getMetersX(),
              session.getWorld().getShip().getPosition().getMetersX());
}
