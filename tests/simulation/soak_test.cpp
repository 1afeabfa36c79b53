#include "simulation/simulator.h"

#include "platform/platform.h"

#include "objects/bullet.h"
#include "objects/fragment.h"
#include "objects/part.h"
#include "objects/satellites.h"
#include "physics/constants.h"
#include "support/fakePlatform.h"
#include "support/glRecorder.h"
#include "support/runningWindow.h"
#include "support/scopedZoom.h"
#include "support/windowProbe.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <typeinfo>
#include <unordered_map>
#include <vector>

namespace {

constexpr int soakFrames = 20000;
constexpr int autopilotFrames = 3000;
constexpr double strayDistance = 1.0e8; // metres from the Earth's centre

// How many objects a break-up of this object adds to the world.
int piecesOf(const Satellite& object) {
    if (dynamic_cast<const SatelliteSputnik*>(&object) != nullptr ||
        dynamic_cast<const SatelliteHubble*>(&object) != nullptr) {
        return 4;
    }
    if (dynamic_cast<const SatelliteGPS*>(&object) != nullptr ||
        dynamic_cast<const SatelliteCrewDragon*>(&object) != nullptr) {
        return 3;
    }
    if (dynamic_cast<const SatelliteStarlink*>(&object) != nullptr) {
        return 2;
    }
    if (const auto* pPart = dynamic_cast<const Part*>(&object)) {
        return pPart->getNumFragments();
    }
    return 0;
}

bool isNamedSatellite(const Satellite& object) {
    return piecesOf(object) > 0 && dynamic_cast<const Part*>(&object) == nullptr;
}

// What happened over the run, by kind.
struct Tally {
    int satelliteBreakUps = 0;
    int partBreakUps = 0;
    int fragmentsExpired = 0;
    int fragmentsDestroyed = 0;
    int bulletsExpired = 0;
    int bulletsDestroyed = 0;
    int framesWithBulletHittingSatellite = 0;
    bool shipDestroyed = false;
};

// Checks after every frame what must hold whatever the keys did.
class WorldWatch {
public:
    explicit WorldWatch(const Simulator& watched) : world(watched) { remember(); }

    void afterFrame(int frame) {
        SCOPED_TRACE(::testing::Message() << "frame " << frame);
        const auto& objects = world.getDynamicObjects();
        ASSERT_GE(objects.size(), previous.size()) << "the list shrank";
        for (std::size_t i = 0; i < previous.size(); ++i) {
            ASSERT_EQ(objects[i], previous[i]) << "entry " << i << " moved";
        }

        int piecesExpected = 0;
        int bulletsDestroyed = 0;
        int satellitesDestroyed = 0;
        auto examine = [&](const Satellite& object) {
            const bool wasAlive = alive.count(&object) == 0 || alive[&object];
            const bool isAlive = object.isAlive();
            ASSERT_FALSE(isAlive && !wasAlive) << "an object came back to life";
            if (wasAlive && !isAlive) {
                died(object, piecesExpected, bulletsDestroyed, satellitesDestroyed);
            }
            alive[&object] = isAlive;
            if (isAlive) {
                checkState(object);
            }
        };
        for (const Satellite* pSatellite : world.getSatellites()) {
            examine(*pSatellite);
        }
        for (std::size_t i = 0; i < previous.size(); ++i) {
            examine(*objects[i]);
        }
        examine(world.getShip());

        // Everything new is either the frame's one shot or the pieces of this frame's break-ups.
        int newBullets = 0;
        int newPieces = 0;
        for (std::size_t i = previous.size(); i < objects.size(); ++i) {
            const bool isBullet = dynamic_cast<const Bullet*>(objects[i]) != nullptr;
            (isBullet ? newBullets : newPieces) += 1;
            examine(*objects[i]);
        }
        ASSERT_LE(newBullets, 1);
        ASSERT_EQ(newPieces, piecesExpected) << "break-ups and their pieces do not match";
        if (bulletsDestroyed > 0 && satellitesDestroyed > 0) {
            ++tally.framesWithBulletHittingSatellite;
        }
        remember();
    }

    Tally tally;

private:
    void remember() { previous = world.getDynamicObjects(); }

    void died(const Satellite& object, int& piecesExpected, int& bulletsDestroyed,
              int& satellitesDestroyed) {
        piecesExpected += piecesOf(object);
        if (const auto* pFragment = dynamic_cast<const Fragment*>(&object)) {
            ++(pFragment->getLife() == 0 ? tally.fragmentsExpired : tally.fragmentsDestroyed);
        } else if (const auto* pBullet = dynamic_cast<const Bullet*>(&object)) {
            if (pBullet->getLife() == 0) {
                ++tally.bulletsExpired;
            } else {
                ++tally.bulletsDestroyed;
                ++bulletsDestroyed;
            }
        } else if (dynamic_cast<const Part*>(&object) != nullptr) {
            ++tally.partBreakUps;
        } else if (isNamedSatellite(object)) {
            ++tally.satelliteBreakUps;
            ++satellitesDestroyed;
        } else if (&object == &world.getShip()) {
            tally.shipDestroyed = true;
        }
    }

    static void checkState(const Satellite& object) {
        const Position& pos = object.getPosition();
        ASSERT_TRUE(std::isfinite(pos.getMetersX()) && std::isfinite(pos.getMetersY()))
            << typeid(object).name() << " at " << pos;
        ASSERT_TRUE(std::isfinite(object.getVelocity().getDX()) &&
                    std::isfinite(object.getVelocity().getDY()));
        const double radians = object.getAngle().getRadians();
        ASSERT_GE(radians, 0.0);
        ASSERT_LT(radians, twoPi);
        if (const auto* pFragment = dynamic_cast<const Fragment*>(&object)) {
            ASSERT_GE(pFragment->getLife(), 1);
            ASSERT_LE(pFragment->getLife(), 99);
        }
        if (const auto* pBullet = dynamic_cast<const Bullet*>(&object)) {
            ASSERT_GE(pBullet->getLife(), 1);
            ASSERT_LE(pBullet->getLife(), Bullet::startLife);
        }
    }

    const Simulator& world;
    std::vector<Satellite*> previous;
    std::unordered_map<const Satellite*, bool> alive;
};

// The run lives in the toolkit's main loop, as the program's does.
struct Soak {
    Simulator* pWorld = nullptr;
    WorldWatch* pWatch = nullptr;
    std::mt19937 keys{20261208};
    int frames = 0;
};
Soak soak;

// 0 to n - 1 from the engine alone: the standard fixes mt19937's numbers but not how a
// distribution maps them, and the ship's path must be the same with every C++ library.
int below(int n) { return static_cast<int>(soak.keys() % static_cast<unsigned int>(n)); }

// Presses and releases between frames: every key the window knows, and some it ignores.
void pressRandomKeys() {
    static const unsigned char ascii[] = {' ', 'a', 'A', 'd', 'D', 's',
                                          'S', 'w', 'W', 'x', '1', 27};
    static const int special[] = {
        graphics::keyLeft, graphics::keyRight, graphics::keyUp,  graphics::keyDown,
        graphics::keyHome, graphics::keyF1,    graphics::keyEnd, 200};
    auto& toolkit = glrec::toolkit();
    // Shots are frequent, so that they reach the satellites from wherever the ship drifts.
    if (below(4) == 0) {
        toolkit.keyboard(' ', 0, 0);
    }
    for (int n = below(7) - 3; n > 0; --n) {
        const int pick = below(40);
        const bool down = (pick & 1) == 0;
        if (pick < 24) {
            const unsigned char key = ascii[pick / 2];
            (down ? toolkit.keyboard : toolkit.keyboardUp)(key, 0, 0);
        } else {
            const int key = special[(pick - 24) / 2];
            (down ? toolkit.special : toolkit.specialUp)(key, 0, 0);
        }
    }
}

// Holds one key of a pair, releasing the other, through the toolkit's key callbacks.
void hold(int pressed, int released) {
    glrec::toolkit().specialUp(released, 0, 0);
    glrec::toolkit().special(pressed, 0, 0);
}

// The last stretch of the run steers the ship into the Earth with the keys: turn toward the
// thrust that would bring the velocity to 5 km/s inbound, and thrust once roughly facing it.
void steerIntoTheEarth(const Ship& ship) {
    const Position& pos = ship.getPosition();
    const double distance = std::hypot(pos.getMetersX(), pos.getMetersY());
    const double wantDX = -pos.getMetersX() / distance * 5000.0 - ship.getVelocity().getDX();
    const double wantDY = -pos.getMetersY() / distance * 5000.0 - ship.getVelocity().getDY();
    const double heading = ship.getAngle().getRadians();
    // Positive when the wanted direction lies clockwise of the heading.
    double turn = std::atan2(wantDX, wantDY) - heading;
    turn = std::remainder(turn, twoPi);
    if (std::fabs(turn) > 0.1) {
        hold(turn > 0 ? graphics::keyRight : graphics::keyLeft,
             turn > 0 ? graphics::keyLeft : graphics::keyRight);
        glrec::toolkit().specialUp(graphics::keyDown, 0, 0);
    } else {
        glrec::toolkit().specialUp(graphics::keyLeft, 0, 0);
        glrec::toolkit().specialUp(graphics::keyRight, 0, 0);
        glrec::toolkit().special(graphics::keyDown, 0, 0);
    }
}

// Random thrust alone carries the ship ever further out, as far as the fragments it happens to
// miss let it, and those follow the C library's rand; held near the satellites, it stays within
// the last stretch's reach whatever the library.
bool strayed(const Ship& ship) {
    const Position& pos = ship.getPosition();
    return std::hypot(pos.getMetersX(), pos.getMetersY()) > strayDistance;
}

void soakLoop() {
    for (int frame = 1; frame <= soak.frames; ++frame) {
        pressRandomKeys();
        const Ship& ship = soak.pWorld->getShip();
        const bool homeStretch = frame > soak.frames - autopilotFrames;
        if (ship.isAlive() && (homeStretch || strayed(ship))) {
            steerIntoTheEarth(ship);
        }
        glrec::toolkit().idle();
        soak.pWatch->afterFrame(frame);
        if (::testing::Test::HasFatalFailure()) {
            return;
        }
    }
}

} // namespace

TEST(Soak, TwentyThousandFramesOfRandomKeysKeepTheWorldSound) {
    ScopedZoom zoom(200000.0);
    glrec::reset();
    glrec::setRecording(false);
    fakeplatform::reset();
    WindowProbe::reset();

    char name[] = "corvexa";
    char* argv[] = {name, nullptr};
    WindowInterface ui(1, argv, windowTitle, runningUpperRight());
    // The window seeds from the clock; the run must not depend on when it ran.
    platform::seedRandom(7);
    {
        Simulator world;
        WorldWatch watch(world);
        soak.pWorld = &world;
        soak.pWatch = &watch;
        soak.frames = soakFrames;
        glrec::toolkit().mainLoop = soakLoop;
        ui.run(updateWorld, &world);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());

        const Tally& tally = watch.tally;
        EXPECT_GT(tally.framesWithBulletHittingSatellite, 0);
        EXPECT_GT(tally.satelliteBreakUps, 0);
        EXPECT_GT(tally.partBreakUps, 0);
        EXPECT_GT(tally.fragmentsExpired, 0);
        EXPECT_GT(tally.fragmentsDestroyed, 0);
        EXPECT_GT(tally.bulletsExpired, 0);
        EXPECT_TRUE(tally.shipDestroyed);
        soak = Soak{};
    }
    WindowProbe::reset();
    glrec::reset();
}
