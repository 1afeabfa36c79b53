#include "scene/scene.h"

#include "objects/part.h"
#include "objects/satellites.h"
#include "physics/constants.h"
#include "simulation/simulator.h"
#include "support/quietDrawing.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

using SceneWorld = QuietDrawing;

namespace {

Scene sceneOf(const std::string& objects) {
    SceneReader reader;
    std::istringstream lines("corvexa-scene 1\ntitle Test\n" + objects);
    for (std::string line; std::getline(lines, line);) {
        EXPECT_EQ(reader.readLine(line), "") << line;
    }
    Scene scene;
    EXPECT_EQ(reader.finish(scene), "");
    return scene;
}

// The same objects by state, each number written to a millimetre and a micrometre a second.
std::string byState(const Scene& scene) {
    std::string text;
    for (const Scene::Placement& placement : scene.getPlacements()) {
        char line[200];
        std::snprintf(line, sizeof line, "%s at %.6f %.6f velocity %.6f %.6f\n",
                      Scene::kindName(placement.kind), placement.position.getMetersX() / 1000.0,
                      placement.position.getMetersY() / 1000.0, placement.velocity.getDX(),
                      placement.velocity.getDY());
        text += line;
    }
    return text + "ship none\n";
}

} // namespace

TEST(Scene, PlacesARingByOrbitExactlyAtEveryQuarterTurn) {
    // Anticlockwise from the top: then left, bottom, right, each at the circle's own speed.
    const Scene ring = sceneOf("gps orbit perigee 20182 count 4\n");
    const double r = 26560000.0;
    const double v = std::sqrt(earthMu / r);
    const double expected[4][4] = {{0, r, -v, 0}, {-r, 0, 0, -v}, {0, -r, v, 0}, {r, 0, 0, v}};
    ASSERT_EQ(ring.getPlacements().size(), 4U);
    for (int i = 0; i < 4; ++i) {
        const Scene::Placement& placement = ring.getPlacements()[i];
        EXPECT_EQ(placement.position.getMetersX(), expected[i][0]) << i;
        EXPECT_EQ(placement.position.getMetersY(), expected[i][1]) << i;
        EXPECT_EQ(placement.velocity.getDX(), expected[i][2]) << i;
        EXPECT_EQ(placement.velocity.getDY(), expected[i][3]) << i;
    }
}

TEST(Scene, ReadsKilometresAndSpeedsToTheNearestDoubleOfTheExactValue) {
    // As the compiler reads the world as built's literals, on every platform.
    const Scene scene = sceneOf("gps at 23001.63472 -13280 velocity -1940 3360.18\n"
                                "sputnik at -36515.09513 0.000001 velocity 2684.68 -0.5\n");
    const auto& gps = scene.getPlacements()[0];
    EXPECT_EQ(gps.position.getMetersX(), 23001634.72);
    EXPECT_EQ(gps.position.getMetersY(), -13280000.0);
    EXPECT_EQ(gps.velocity.getDY(), 3360.18);
    const auto& sputnik = scene.getPlacements()[1];
    EXPECT_EQ(sputnik.position.getMetersX(), -36515095.13);
    EXPECT_EQ(sputnik.position.getMetersY(), 0.001);
    EXPECT_EQ(sputnik.velocity.getDX(), 2684.68);
}

TEST_F(SceneWorld, AWorldByOrbitAndTheSameByStateMoveAlike) {
    const ScopedZoom zoom(runningZoom);
    const Scene orbits =
        sceneOf("gps orbit perigee 20182 count 3 anomaly 10\n"
                "hubble orbit perigee 25000 apogee 40000 direction 135 anomaly 250 clockwise\n"
                "starlink-array orbit perigee 800 apogee 900 direction -20 anomaly 33.3\n"
                "ship none\n");
    const Scene states = sceneOf(byState(orbits));
    Simulator first(orbits.populate());
    Simulator second(states.populate());
    const WindowInterface ui;
    for (int frame = 0; frame < 200; ++frame) {
        first.update(ui);
        second.update(ui);
    }
    ASSERT_EQ(first.getSatellites().size(), 5U);
    for (std::size_t i = 0; i < 5; ++i) {
        const Satellite& a = *first.getSatellites()[i];
        const Satellite& b = *second.getSatellites()[i];
        EXPECT_TRUE(a.isAlive() && b.isAlive()) << i;
        EXPECT_NEAR(a.getPosition().getMetersX(), b.getPosition().getMetersX(), 1.0) << i;
        EXPECT_NEAR(a.getPosition().getMetersY(), b.getPosition().getMetersY(), 1.0) << i;
        EXPECT_NEAR(a.getVelocity().getDX(), b.getVelocity().getDX(), 1e-3) << i;
        EXPECT_NEAR(a.getVelocity().getDY(), b.getVelocity().getDY(), 1e-3) << i;
    }
}

TEST(Scene, MakesEachKindInTheOrderOfItsLinesAndTheShipAsAsked) {
    const ScopedZoom zoom(runningZoom);
    // Tabs, vertical tabs, form feeds and a carriage return part words as spaces do.
    const Scene scene = sceneOf("sputnik\tat 0 9000\v\fvelocity 6000 0 \r\n"
                                "hubble-computer at 9000 0 velocity 0 -6000  # a loose part\n"
                                "crewdragon orbit perigee 1000 count 2\n"
                                "ship at 10 -20 velocity 3 4 heading 90\n");
    const Population population = scene.populate();
    ASSERT_EQ(population.objects.size(), 4U);
    EXPECT_NE(dynamic_cast<SatelliteSputnik*>(population.objects[0].get()), nullptr);
    EXPECT_NE(dynamic_cast<PartHubbleComputer*>(population.objects[1].get()), nullptr);
    EXPECT_NE(dynamic_cast<SatelliteCrewDragon*>(population.objects[3].get()), nullptr);
    ASSERT_TRUE(population.ship.has_value());
    EXPECT_EQ(population.ship->position.getMetersY(), -20000.0);
    EXPECT_EQ(population.ship->velocity.getDY(), 4.0);
    EXPECT_EQ(population.ship->heading.getRadians(), twoPi / 4.0);
    EXPECT_EQ(scene.getLines().size(), 6U);

    EXPECT_FALSE(sceneOf("ship none\n").populate().ship.has_value());
    // Without a ship line, the world as built's ship.
    const auto asBuilt = sceneOf("").populate().ship;
    ASSERT_TRUE(asBuilt.has_value());
    EXPECT_EQ(asBuilt->position.getMetersX(), -25000000.0);
    EXPECT_EQ(asBuilt->velocity.getDY(), -2000.0);
}
