#include "simulation/collisionPass.h"

#include "platform/platform.h"

#include "objects/bullet.h"
#include "objects/part.h"
#include "physics/constants.h"
#include "physics/gravity.h"
#include "simulation/simulator.h"
#include "support/referenceCollisionPass.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <typeinfo>
#include <vector>

namespace {

using Log = std::vector<std::string>;

// A still object that writes its label to its scene's log when it breaks up and leaves labelled
// pieces of its own at its place.
class Tag : public Satellite {
public:
    Tag(Log& sink, std::string name, double x, double y, double radiusPixels, int pieceCount)
        : Satellite(Position(x, y), Velocity(), radiusPixels), log(sink), label(std::move(name)),
          pieces(pieceCount) {}

    Acceleration getGravity() const override { return Acceleration(); }
    void draw() const override {}
    void destroy(SatelliteList& newDebris) override {
        log.push_back(label);
        for (int k = 0; k < pieces; ++k) {
            appendNew<Tag>(newDebris, log, label + "." + std::to_string(k), position.getMetersX(),
                           position.getMetersY(), 1.0, k % 2);
        }
        Satellite::destroy(newDebris);
    }
    void kill() { alive = false; }

    Log& log;
    std::string label;
    int pieces;
};

struct Placement {
    double x;
    double y;
    double radius;
    int pieces;
    bool dead;
};

// Draws from a fixed-seed engine through plain arithmetic, the same on every library.
class Dice {
public:
    explicit Dice(unsigned int seed) : engine(seed) {}
    double uniform(double low, double high) {
        return low + (high - low) * (static_cast<double>(engine()) / 4294967296.0);
    }
    int below(int n) { return static_cast<int>(engine() % static_cast<unsigned int>(n)); }
    bool chance(double p) { return uniform(0.0, 1.0) < p; }

private:
    std::mt19937 engine;
};

// Clusters, chains and triples of touching objects, exact and near-exact touches, objects on
// the Earth's surface and dead entries, at the given scale; odd values only when asked.
std::vector<Placement> randomScene(Dice& dice, int count, double zoom, bool oddValues) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double spread = zoom * dice.uniform(30.0, 3000.0);
    const double offsetX = dice.chance(0.2) ? 1.0e10 : 0.0;
    std::vector<Placement> scene;
    for (int n = 0; n < count; ++n) {
        Placement placement{dice.uniform(-spread, spread) + offsetX, dice.uniform(-spread, spread),
                            dice.uniform(0.5, 12.0), dice.below(4), dice.chance(0.15)};
        const int mode = dice.below(10);
        if (!scene.empty() && mode < 6) {
            // Against an earlier object, at its contact distance or a hair either side of it.
            const Placement& other = scene[static_cast<std::size_t>(dice.below(n))];
            const double touch = (placement.radius + other.radius) * zoom;
            const double factors[] = {1.0, 0.5, 0.0, 1.0 + 1e-15, 1.0 - 1e-15, 0.99, 1.01};
            const double distance = touch * factors[dice.below(7)];
            const double direction = dice.below(3) == 0 ? 0.0 : dice.uniform(0.0, 6.3);
            placement.x = other.x + distance * std::sin(direction);
            placement.y = other.y + distance * std::cos(direction);
        } else if (mode == 6) {
            const double height = earthRadius + placement.radius * zoom * dice.uniform(0.9, 1.1);
            placement.x = dice.below(2) == 0 ? height : 0.0;
            placement.y = placement.x == 0.0 ? -height : 0.0;
        }
        // Odd values also on objects placed against others, so that they meet them.
        if (oddValues && dice.chance(0.1)) {
            const double odd[] = {nan, inf, -inf, 1.0e200, 0.0, -3.0};
            const double value = odd[dice.below(6)];
            const int where = dice.below(3);
            (where == 0 ? placement.x : where == 1 ? placement.y : placement.radius) = value;
        }
        scene.push_back(placement);
    }
    return scene;
}

// One copy of a scene: the objects in examination order, their log, and everything they made.
struct World {
    explicit World(const std::vector<Placement>& placements) {
        for (std::size_t i = 0; i < placements.size(); ++i) {
            const Placement& placement = placements[i];
            auto pTag = std::make_unique<Tag>(log, std::to_string(i), placement.x, placement.y,
                                              placement.radius, placement.pieces);
            if (placement.dead) {
                pTag->kill();
            }
            objects.push_back(pTag.get());
            owned.push_back(std::move(pTag));
        }
    }
    // The pass, then the pieces join the objects for the next one.
    template <typename Pass> void frame(Pass pass) {
        SatelliteList newDebris;
        pass(objects, newDebris);
        for (Satellite* pSatellite : newDebris) {
            owned.emplace_back(pSatellite);
            objects.push_back(pSatellite);
        }
    }
    Log labels() const {
        Log result;
        for (const Satellite* pSatellite : objects) {
            result.push_back(static_cast<const Tag*>(pSatellite)->label +
                             (pSatellite->isAlive() ? "" : "+"));
        }
        return result;
    }

    Log log;
    std::vector<Satellite*> objects;
    std::vector<std::unique_ptr<Satellite>> owned;
};

// Runs a scene's frames with the pass as shipped, with the grid for any number of objects, and
// with the loop over all pairs, which all must break up the same objects in the same order.
void expectSameBreakUps(const std::vector<Placement>& placements, int frames,
                        const std::string& scene) {
    // Kept from scene to scene, as the world keeps its pass's buffers from frame to frame.
    static CollisionPass shipped;
    static CollisionPass gridOnly(0);
    World worlds[] = {World(placements), World(placements), World(placements)};
    for (int frame = 0; frame < frames; ++frame) {
        worlds[0].frame(referenceCollisionPass);
        worlds[1].frame([](auto& objects, auto& newDebris) { shipped.run(objects, newDebris); });
        worlds[2].frame([](auto& objects, auto& newDebris) { gridOnly.run(objects, newDebris); });
        for (int w = 1; w < 3; ++w) {
            ASSERT_EQ(worlds[w].log, worlds[0].log) << scene << " frame " << frame << " " << w;
            ASSERT_EQ(worlds[w].labels(), worlds[0].labels()) << scene << " " << w;
        }
    }
}

// Pairs far apart, each at exactly the distance at which it touches, where the sum of two
// rounded reaches may fall short of the rounded contact.
std::vector<Placement> exactTouches(Dice& dice) {
    std::vector<Placement> scene;
    for (int n = 0; n < 40; ++n) {
        const double radiusA = dice.uniform(0.1, 13.0);
        const double radiusB = dice.uniform(0.1, 13.0);
        const double touch = (radiusA + radiusB) * Position::getZoom();
        const double across = 1.0e9 + n * 1.0e8;
        const bool alongX = n % 2 == 0;
        scene.push_back({alongX ? 0.0 : across, alongX ? across : 0.0, radiusA, 0, false});
        scene.push_back({alongX ? touch : across, alongX ? across : touch, radiusB, 0, false});
    }
    return scene;
}

} // namespace

TEST(CollisionPass, BreaksUpWhatTheLoopOverAllPairsBreaksUpInTheSameOrder) {
    Dice dice(20240611);
    // The odd scales too: nothing, negative, NaN, and one that makes every reach huge.
    const double zooms[] = {1.0, 250.0, 100000.0, 3.3e6, 0.0, -2.0, std::nan(""), 1.0e200};
    for (int scene = 0; scene < 160; ++scene) {
        const ScopedZoom scale(zooms[scene % 8]);
        const double zoom = scene % 8 < 4 ? zooms[scene % 8] : 1.0;
        const int count = scene % 5 == 0 ? 2 + dice.below(40) : 40 + dice.below(260);
        // Two frames: the second also breaks up the pieces that the first one made.
        expectSameBreakUps(randomScene(dice, count, zoom, scene % 3 == 0), 2,
                           "scene " + std::to_string(scene));
    }
}

TEST(CollisionPass, MissesNoTouchThatRoundingCouldHide) {
    Dice dice(77);
    for (const double zoom : {100000.0, 1.0e-3, 0.7, 3.0}) {
        const ScopedZoom scale(zoom);
        expectSameBreakUps(exactTouches(dice), 1, "zoom " + std::to_string(zoom));
    }
    // Objects of no size so close together that their distance squares to zero: they touch.
    std::vector<Placement> specks;
    for (int n = 0; n < 6; ++n) {
        specks.push_back({n * 1.0e-170, 1.0e9, 0.0, 0, false});
    }
    expectSameBreakUps(specks, 1, "specks");
}

namespace {

// The world's walk done over the whole history, as a yardstick for the one over live objects.
void advanceEveryEntry(Simulator& world, double seconds) {
    for (Satellite* pSatellite : world.getSatellites()) {
        if (pSatellite->isAlive()) {
            pSatellite->advance(seconds);
        }
    }
    for (Satellite* pSatellite : world.getDynamicObjects()) {
        if (pSatellite->isAlive()) {
            pSatellite->advance(seconds);
        }
    }
}

// Parts and bullets crowded on three orbits, so that they break up into fragments that expire
// while the rest keep meeting.
void crowdOrbits(Simulator& world) {
    Dice dice(5);
    for (int n = 0; n < 240; ++n) {
        const double radius = (n % 3 + 1) * 1.2e7 + dice.uniform(-4.0e6, 4.0e6);
        const double angle = dice.uniform(0.0, 6.3);
        const double speed = std::sqrt(3.986e14 / radius) * dice.uniform(0.98, 1.02);
        const Position where(radius * std::sin(angle), radius * std::cos(angle));
        const Velocity along(speed * std::cos(angle), -speed * std::sin(angle));
        if (n % 4 == 0) {
            world.addObject(new Bullet(where, along));
        } else {
            world.addObject(new PartHubbleComputer(where, along));
        }
    }
}

} // namespace

TEST(CollisionPass, AWorldRunsFrameForFrameLikeTheLoopOverItsWholeHistory) {
    const ScopedZoom scale(runningZoom);
    Simulator shipped;
    Simulator reference;
    crowdOrbits(shipped);
    crowdOrbits(reference);
    platform::seedRandom(11);
    for (int frame = 0; frame < 90; ++frame) {
        shipped.advancePopulation(timeStep);
        shipped.checkCollisions(nullptr);
    }
    platform::seedRandom(11);
    for (int frame = 0; frame < 90; ++frame) {
        advanceEveryEntry(reference, timeStep);
        referenceCheckCollisions(reference, nullptr);
    }

    const auto& mine = shipped.getDynamicObjects();
    const auto& theirs = reference.getDynamicObjects();
    ASSERT_EQ(mine.size(), theirs.size());
    int alive = 0;
    for (std::size_t i = 0; i < mine.size(); ++i) {
        const Satellite& ours = *mine[i];
        const Satellite& other = *theirs[i];
        ASSERT_TRUE(typeid(ours) == typeid(other)) << i;
        ASSERT_EQ(mine[i]->isAlive(), theirs[i]->isAlive()) << i;
        ASSERT_EQ(mine[i]->getPosition().getMetersX(), theirs[i]->getPosition().getMetersX());
        ASSERT_EQ(mine[i]->getPosition().getMetersY(), theirs[i]->getPosition().getMetersY());
        alive += mine[i]->isAlive() ? 1 : 0;
    }
    // The scene is worth its name: many break-ups and expiries, and survivors.
    EXPECT_GT(mine.size(), 500U);
    EXPECT_GT(alive, 50);
    EXPECT_LT(alive, static_cast<int>(mine.size()) / 2);
}

namespace {

// A still object that counts how often anyone asks whether it lives.
class Counted : public Satellite {
public:
    explicit Counted(int& askedCount)
        : Satellite(Position(1.0e10, 0.0), Velocity(), 1.0), asked(askedCount) {}
    Acceleration getGravity() const override { return Acceleration(); }
    void draw() const override {}
    bool isAlive() const override {
        ++asked;
        return alive;
    }
    void kill() { alive = false; }

    int& asked;
};

} // namespace

TEST(CollisionPass, DeadEntriesAreNoLongerVisitedOnceFoundDead) {
    const ScopedZoom scale(runningZoom);
    int asked = 0;
    Simulator world;
    auto* pCounted = new Counted(asked);
    world.addObject(pCounted);
    world.advancePopulation(timeStep);
    world.checkCollisions(nullptr);
    EXPECT_GT(asked, 0);

    pCounted->kill();
    world.advancePopulation(timeStep);
    const int askedWhenDying = asked;
    for (int frame = 0; frame < 3; ++frame) {
        world.advancePopulation(timeStep);
        world.checkCollisions(nullptr);
        world.drawPopulation();
    }
    EXPECT_EQ(asked, askedWhenDying);
    EXPECT_EQ(world.getDynamicObjects().size(), 1U);
}
