#include "objects/satellites.h"

#include "platform/platform.h"

#include "objects/fragment.h"
#include "objects/part.h"
#include "physics/constants.h"
#include "support/doubles.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"
#include "support/scriptedRand.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

using doubles::OwningList;
using doubles::SatelliteStub;

namespace {

void expectState(const char* name, const Satellite& satellite, double x, double y, double dx,
                 double dy, double radius) {
    SCOPED_TRACE(name);
    EXPECT_EQ(satellite.getPosition().getMetersX(), x);
    EXPECT_EQ(satellite.getPosition().getMetersY(), y);
    EXPECT_EQ(satellite.getVelocity().getDX(), dx);
    EXPECT_EQ(satellite.getVelocity().getDY(), dy);
    EXPECT_EQ(satellite.getRadius(), radius);
    EXPECT_EQ(satellite.getAngle().getRadians(), 0.0);
    EXPECT_TRUE(satellite.isAlive());
}

using KindCheck = bool (*)(const Satellite*);

template <typename T> bool isA(const Satellite* pSatellite) {
    return dynamic_cast<const T*>(pSatellite) != nullptr;
}

// Breaks the satellite up behind an object already in the list. It is advanced first, so that
// its state is off the round defaults and its angle is no longer 0.
void expectBreaksInto(Satellite& satellite, const std::vector<KindCheck>& kinds) {
    satellite.advance(timeStep);
    const Position position = satellite.getPosition();
    const Velocity velocity = satellite.getVelocity();
    OwningList debris;
    auto* pEarlier = new SatelliteStub(Position(), Velocity(), 1.0);
    debris.items.push_back(pEarlier);

    satellite.destroy(debris.items);

    EXPECT_FALSE(satellite.isAlive());
    ASSERT_EQ(debris.items.size(), 1 + kinds.size());
    EXPECT_EQ(debris.items[0], pEarlier);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const Satellite* pPart = debris.items[i + 1];
        SCOPED_TRACE(testing::Message() << "piece " << i);
        EXPECT_TRUE(kinds[i](pPart));
        EXPECT_EQ(pPart->getPosition().getMetersX(), position.getMetersX());
        EXPECT_EQ(pPart->getPosition().getMetersY(), position.getMetersY());
        EXPECT_EQ(pPart->getVelocity().getDX(), velocity.getDX());
        EXPECT_EQ(pPart->getVelocity().getDY(), velocity.getDY());
        EXPECT_EQ(pPart->getAngle().getRadians(), 0.0);
        EXPECT_TRUE(pPart->isAlive());
    }
}

struct DrawnSprite {
    std::size_t quads = 0;
    std::size_t lineStrips = 0;
    std::size_t fans = 0;
    std::size_t vertices = 0;
    double farthest = 0.0; // pixels from the object's centre
};

DrawnSprite drawAndMeasure(const Satellite& satellite) {
    glrec::reset();
    satellite.draw();
    DrawnSprite drawn;
    const double cx = satellite.getPosition().getPixelsX();
    const double cy = satellite.getPosition().getPixelsY();
    for (const glrec::Primitive& primitive : glrec::primitives()) {
        drawn.quads += primitive.mode == graphics::quads ? 1 : 0;
        drawn.lineStrips += primitive.mode == graphics::lineStrip ? 1 : 0;
        drawn.fans += primitive.mode == graphics::triangleFan ? 1 : 0;
        for (const glrec::Vertex& vertex : primitive.vertices) {
            ++drawn.vertices;
            drawn.farthest = std::max(drawn.farthest, std::hypot(vertex.x - cx, vertex.y - cy));
        }
    }
    return drawn;
}

} // namespace

TEST(SatelliteKinds, DefaultsMatchTheirRows) {
    expectState("Sputnik", SatelliteSputnik(), -36515095.13, 21082000.0, 2050.0, 2684.68, 4.0);
    expectState("GPS", SatelliteGPS(), 0.0, 26560000.0, -3880.0, 0.0, 12.0);
    expectState("Hubble", SatelliteHubble(), 0.0, -42164000.0, 3100.0, 0.0, 10.0);
    expectState("Starlink", SatelliteStarlink(), 0.0, -13020000.0, 5800.0, 0.0, 6.0);
    expectState("Crew Dragon", SatelliteCrewDragon(), 0.0, 8000000.0, -7900.0, 0.0, 7.0);
}

TEST(SatelliteGPS, KeepsAGivenStartingStateExactly) {
    struct Row {
        double x, y, dx, dy;
    };
    const Row rows[] = {
        {23001634.72, 13280000.0, -1940.0, 3360.18},
        {23001634.72, -13280000.0, 1940.0, 3360.18},
        {0.0, -26560000.0, 3880.0, 0.0},
        {-23001634.72, -13280000.0, 1940.0, -3360.18},
        {-23001634.72, 13280000.0, -1940.0, -3360.18},
    };
    for (const Row& row : rows) {
        const SatelliteGPS gps(Position(row.x, row.y), Velocity(row.dx, row.dy));
        expectState("GPS", gps, row.x, row.y, row.dx, row.dy, 12.0);
    }
}

TEST(SatelliteKinds, OrbitUnderTheEarthsGravity) {
    SatelliteSputnik sputnik;
    SatelliteGPS gps;
    SatelliteHubble hubble;
    SatelliteStarlink starlink;
    SatelliteCrewDragon dragon;
    for (Satellite* pSatellite :
         std::vector<Satellite*>{&sputnik, &gps, &hubble, &starlink, &dragon}) {
        const Position before = pSatellite->getPosition();
        pSatellite->advance(timeStep);
        EXPECT_NE(pSatellite->getPosition().getMetersX(), before.getMetersX());
        EXPECT_NE(pSatellite->getPosition().getMetersY(), before.getMetersY());
        EXPECT_DOUBLE_EQ(pSatellite->getAngle().getRadians(), 0.01);
    }
    EXPECT_NE(sputnik.getVelocity().getDX(), 2050.0);
    EXPECT_NE(sputnik.getVelocity().getDY(), 2684.68);
}

TEST(SatelliteKinds, BreakIntoTheirPartsInOrderBehindEarlierDebris) {
    {
        SCOPED_TRACE("GPS");
        SatelliteGPS gps;
        expectBreaksInto(gps, {isA<PartGPSCenter>, isA<PartGPSLeft>, isA<PartGPSRight>});
    }
    {
        SCOPED_TRACE("Hubble");
        SatelliteHubble hubble;
        expectBreaksInto(hubble, {isA<PartHubbleTelescope>, isA<PartHubbleComputer>,
                                  isA<PartHubbleLeft>, isA<PartHubbleRight>});
    }
    {
        SCOPED_TRACE("Starlink");
        SatelliteStarlink starlink;
        expectBreaksInto(starlink, {isA<PartStarlinkBody>, isA<PartStarlinkArray>});
    }
    {
        SCOPED_TRACE("Crew Dragon");
        SatelliteCrewDragon dragon;
        expectBreaksInto(
            dragon, {isA<PartCrewDragonCenter>, isA<PartCrewDragonLeft>, isA<PartCrewDragonRight>});
    }
}

TEST(SatelliteSputnik, BreaksIntoFourRandomFragmentsFourPixelsOut) {
    const ScopedZoom zoom(runningZoom);
    SatelliteSputnik sputnik;
    OwningList debris;
    auto* pEarlier = new SatelliteStub(Position(), Velocity(), 1.0);
    debris.items.push_back(pEarlier);

    scriptedrand::reset(); // a script left by another test would skew these draws
    platform::seedRandom(2024);
    sputnik.destroy(debris.items);

    EXPECT_FALSE(sputnik.isAlive());
    ASSERT_EQ(debris.items.size(), 5U);
    EXPECT_EQ(debris.items[0], pEarlier);

    // The same seed gives the same four draws when the fragments are made directly.
    platform::seedRandom(2024);
    for (std::size_t i = 1; i < debris.items.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "fragment " << i);
        const auto* pFragment = dynamic_cast<const Fragment*>(debris.items[i]);
        ASSERT_NE(pFragment, nullptr);
        EXPECT_EQ(dynamic_cast<const Part*>(debris.items[i]), nullptr);
        EXPECT_TRUE(pFragment->isAlive());
        EXPECT_EQ(pFragment->getRadius(), 2.0);
        const double pixelsOut =
            getDistance(pFragment->getPosition(), sputnik.getPosition()) / Position::getZoom();
        EXPECT_NEAR(pixelsOut, 4.0, 1e-6);

        const Fragment expected(sputnik.getPosition(), sputnik.getVelocity());
        EXPECT_EQ(pFragment->getLife(), expected.getLife());
        EXPECT_EQ(pFragment->getSpin(), expected.getSpin());
        EXPECT_EQ(pFragment->getVelocity().getDX(), expected.getVelocity().getDX());
        EXPECT_EQ(pFragment->getVelocity().getDY(), expected.getVelocity().getDY());
        EXPECT_EQ(pFragment->getPosition().getMetersX(), expected.getPosition().getMetersX());
        EXPECT_EQ(pFragment->getPosition().getMetersY(), expected.getPosition().getMetersY());
    }
}

TEST(SatelliteKinds, EachDrawsItsOwnSpriteAroundItsPosition) {
    const ScopedZoom zoom(runningZoom);
    struct Row {
        const char* name;
        const Satellite& satellite;
        std::size_t quads;
        std::size_t lineStrips;
        std::size_t fans;
    };
    const SatelliteSputnik sputnik;
    const SatelliteGPS gps;
    const SatelliteHubble hubble;
    const SatelliteStarlink starlink;
    const SatelliteCrewDragon dragon;
    const Row rows[] = {
        {"Sputnik", sputnik, 0, 0, 1},     {"GPS", gps, 12, 2, 0},
        {"Hubble", hubble, 15, 2, 0},      {"Starlink", starlink, 5, 0, 0},
        {"Crew Dragon", dragon, 10, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const DrawnSprite drawn = drawAndMeasure(row.satellite);
        EXPECT_EQ(drawn.quads, row.quads);
        EXPECT_EQ(drawn.lineStrips, row.lineStrips);
        EXPECT_EQ(drawn.fans, row.fans);
        EXPECT_GT(drawn.vertices, 0U);
        EXPECT_LT(drawn.farthest, 25.0);
    }
}
