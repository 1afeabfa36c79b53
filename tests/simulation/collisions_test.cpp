#include "simulation/simulator.h"

#include "platform/platform.h"

#include "objects/fragment.h"
#include "objects/part.h"
#include "physics/constants.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::vector<std::string> destroyed;
int deletions = 0;

// A still object far from the satellites that logs its break-up and its deletion, and can
// leave pieces of its own behind.
class Probe : public Satellite {
public:
    Probe(std::string probeName, double x, double y, double radiusPixels, int pieceCount = 0)
        : Satellite(Position(x, y), Velocity(), radiusPixels), name(std::move(probeName)),
          pieces(pieceCount) {}
    ~Probe() override { ++deletions; }

    Acceleration getGravity() const override { return Acceleration(); }
    void draw() const override {}
    void destroy(SatelliteList& newDebris) override {
        destroyed.push_back(name);
        for (int i = 0; i < pieces; ++i) {
            appendNew<Probe>(newDebris, name + "." + std::to_string(i), 0.0, 0.0, 1.0);
        }
        Satellite::destroy(newDebris);
    }

    std::string name;
    int pieces;
};

// Far enough out that nothing in the world comes near, in metres.
constexpr double far = 1.0e10;

class CollisionTest : public ::testing::Test {
protected:
    CollisionTest() : zoom(100000.0) {
        destroyed.clear();
        deletions = 0;
        platform::seedRandom(3);
    }
    Probe* add(const char* name, double x, double y, double radius, int pieces = 0) {
        auto* pProbe = new Probe(name, x, y, radius, pieces);
        world.addObject(pProbe);
        return pProbe;
    }
    std::vector<std::string> names() const {
        std::vector<std::string> result;
        for (const Satellite* pSatellite : world.getDynamicObjects()) {
            const auto* pProbe = dynamic_cast<const Probe*>(pSatellite);
            result.push_back(pProbe != nullptr ? pProbe->name : "?");
        }
        return result;
    }

    ScopedZoom zoom;
    Simulator world;
};

using Names = std::vector<std::string>;

} // namespace

TEST_F(CollisionTest, NothingTouchingChangesNothing) {
    add("a", far, 0.0, 1.0);
    add("b", -far, 0.0, 1.0);
    world.checkCollisions(nullptr);
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(names(), (Names{"a", "b"}));
}

TEST_F(CollisionTest, TouchingObjectsBreakUpTogetherEarlierFirst) {
    add("a", far, 0.0, 1.0, 2);
    add("b", far + 200000.0, 0.0, 1.0, 1); // exactly touching at 100 km per pixel
    world.checkCollisions(nullptr);
    EXPECT_EQ(destroyed, (Names{"a", "b"}));
    EXPECT_EQ(names(), (Names{"a", "b", "a.0", "a.1", "b.0"}));
}

TEST_F(CollisionTest, JustBeyondTouchingIsNoCollision) {
    add("a", far, 0.0, 1.0);
    add("b", far + 200001.0, 0.0, 1.0);
    world.checkCollisions(nullptr);
    EXPECT_TRUE(destroyed.empty());
}

TEST_F(CollisionTest, TheEarthPassComesFirstAndBreaksUpAlone) {
    // "low" touches the Earth and "high"; "high" touches nothing else.
    add("high", 0.0, 6378000.0 + 500000.0, 3.0);
    add("low", 0.0, 6378000.0 + 100000.0, 1.0, 1);
    world.checkCollisions(nullptr);
    EXPECT_EQ(destroyed, (Names{"low"}));
    EXPECT_TRUE(world.getDynamicObjects()[0]->isAlive());
}

TEST_F(CollisionTest, OfThreeTouchingObjectsTheThirdSurvives) {
    add("a", far, 0.0, 1.0);
    add("b", far + 100000.0, 0.0, 1.0);
    add("c", far + 50000.0, 50000.0, 1.0);
    world.checkCollisions(nullptr);
    EXPECT_EQ(destroyed, (Names{"a", "b"}));
    EXPECT_TRUE(world.getDynamicObjects()[2]->isAlive());
}

TEST_F(CollisionTest, PiecesAreNotExaminedInTheFrameThatMadeThem) {
    add("a", far, 0.0, 1.0, 2);
    add("b", far, 0.0, 1.0, 2);
    world.checkCollisions(nullptr);
    EXPECT_EQ(destroyed, (Names{"a", "b"}));
    // The four pieces all sit at the origin... of their own far-off spot? No: at (0, 0),
    // inside the Earth, so the next pass breaks them up in the Earth pass, one by one.
    world.checkCollisions(nullptr);
    EXPECT_EQ(destroyed, (Names{"a", "b", "a.0", "a.1", "b.0", "b.1"}));
}

TEST_F(CollisionTest, TheExtraObjectComesLastAndMayBeNull) {
    Probe extra("ship", far, 0.0, 1.0);
    add("a", far, 0.0, 1.0);
    add("b", far, 0.0, 1.0);
    world.checkCollisions(&extra);
    // a and b pair first; the extra object finds no live partner.
    EXPECT_EQ(destroyed, (Names{"a", "b"}));
    EXPECT_TRUE(extra.isAlive());

    add("c", far, 0.0, 1.0);
    world.checkCollisions(&extra);
    EXPECT_EQ(destroyed, (Names{"a", "b", "c", "ship"}));
}

TEST_F(CollisionTest, DeadObjectsAreListedButNeverTouched) {
    Probe* pDead = add("dead", far, 0.0, 1.0);
    SatelliteList none;
    pDead->Satellite::destroy(none);
    add("live", far, 0.0, 1.0);
    world.checkCollisions(nullptr);
    EXPECT_TRUE(destroyed.empty());
    EXPECT_EQ(world.getDynamicObjects().size(), 2U);
}

TEST_F(CollisionTest, TheFirstTwoPartsOfABreakUpMeetAndTheThirdSurvives) {
    const Position spot(far, far);
    const Velocity drift(10.0, 0.0);
    world.addObject(new PartGPSCenter(spot, drift));
    world.addObject(new PartGPSLeft(spot, drift));
    world.addObject(new PartGPSRight(spot, drift));
    world.checkCollisions(nullptr);
    const auto& objects = world.getDynamicObjects();
    ASSERT_EQ(objects.size(), 3U + 3U + 3U);
    EXPECT_FALSE(objects[0]->isAlive());
    EXPECT_FALSE(objects[1]->isAlive());
    EXPECT_TRUE(objects[2]->isAlive());
    for (std::size_t i = 3; i < objects.size(); ++i) {
        EXPECT_NE(dynamic_cast<const Fragment*>(objects[i]), nullptr) << i;
        EXPECT_TRUE(objects[i]->isAlive());
    }
}

TEST(SimulatorLifetime, DeletesEveryDynamicObjectOnceLiveOrDead) {
    deletions = 0;
    {
        ScopedZoom zoom(runningZoom);
        Simulator world;
        world.addObject(new Probe("a", far, 0.0, 1.0, 3));
        world.addObject(new Probe("b", far, 0.0, 1.0));
        world.addObject(new Probe("c", -far, 0.0, 1.0));
        world.checkCollisions(nullptr);
        ASSERT_EQ(world.getDynamicObjects().size(), 6U);
        EXPECT_EQ(deletions, 0);
    }
    EXPECT_EQ(deletions, 6);
}
