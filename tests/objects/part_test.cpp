#include "objects/part.h"

#include "platform/platform.h"

#include "objects/fragment.h"
#include "physics/constants.h"
#include "support/doubles.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

using doubles::OwningList;
using doubles::PartStub;
using doubles::SatelliteStub;

namespace {

using MakePart = std::unique_ptr<Part> (*)(const Position&, const Velocity&);

template <typename T>
std::unique_ptr<Part> make(const Position& position, const Velocity& velocity) {
    return std::make_unique<T>(position, velocity);
}

// One row per piece: its make, its size, and the sprite it draws when loose (quads, line
// strips, and the first corner of its first quad relative to its centre at angle 0).
struct PieceRow {
    const char* name;
    MakePart make;
    double radius;
    int numFragments;
    std::size_t quads;
    std::size_t lineStrips;
    double firstX;
    double firstY;
};

const PieceRow pieces[] = {
    {"PartGPSCenter", make<PartGPSCenter>, 7.0, 3, 4, 0, -3, 4},
    {"PartGPSLeft", make<PartGPSLeft>, 8.0, 3, 4, 1, -6, 5},
    {"PartGPSRight", make<PartGPSRight>, 8.0, 3, 4, 1, -6, -5},
    {"PartHubbleTelescope", make<PartHubbleTelescope>, 10.0, 3, 3, 0, -9, 3},
    {"PartHubbleComputer", make<PartHubbleComputer>, 7.0, 2, 4, 0, -5, 5},
    {"PartHubbleLeft", make<PartHubbleLeft>, 8.0, 2, 4, 1, -8, 3},
    {"PartHubbleRight", make<PartHubbleRight>, 8.0, 2, 4, 1, -8, -3},
    {"PartStarlinkBody", make<PartStarlinkBody>, 2.0, 3, 3, 0, 1, 5},
    {"PartStarlinkArray", make<PartStarlinkArray>, 4.0, 3, 2, 0, -7, 7},
    {"PartCrewDragonCenter", make<PartCrewDragonCenter>, 6.0, 4, 4, 0, -5, 5},
    {"PartCrewDragonLeft", make<PartCrewDragonLeft>, 6.0, 2, 3, 0, -4, 5},
    {"PartCrewDragonRight", make<PartCrewDragonRight>, 6.0, 2, 3, 0, -4, 5},
};

} // namespace

TEST(Part, KeepsItsStateAndMovesAsTheBaseDoes) {
    PartStub part(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 7.0, 3, Acceleration(-2.0, 3.0));

    EXPECT_EQ(part.getPosition().getMetersX(), 1000.0);
    EXPECT_EQ(part.getPosition().getMetersY(), 2000.0);
    EXPECT_EQ(part.getVelocity().getDX(), 30.0);
    EXPECT_EQ(part.getVelocity().getDY(), 40.0);
    EXPECT_EQ(part.getRadius(), 7.0);
    EXPECT_EQ(part.getNumFragments(), 3);
    EXPECT_TRUE(part.isAlive());

    part.advance(10.0);

    EXPECT_DOUBLE_EQ(part.getPosition().getMetersX(), 1200.0);
    EXPECT_DOUBLE_EQ(part.getPosition().getMetersY(), 2550.0);
    EXPECT_DOUBLE_EQ(part.getVelocity().getDX(), 10.0);
    EXPECT_DOUBLE_EQ(part.getVelocity().getDY(), 70.0);
    EXPECT_DOUBLE_EQ(part.getAngle().getRadians(), 0.01);
}

TEST(Part, EachPieceHasTheRadiusAndFragmentCountOfItsKind) {
    for (const PieceRow& row : pieces) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Part> pPart = row.make(Position(10.0, 20.0), Velocity(30.0, 40.0));
        EXPECT_EQ(pPart->getRadius(), row.radius);
        EXPECT_EQ(pPart->getNumFragments(), row.numFragments);
        EXPECT_EQ(pPart->getPosition().getMetersX(), 10.0);
        EXPECT_EQ(pPart->getPosition().getMetersY(), 20.0);
        EXPECT_EQ(pPart->getVelocity().getDX(), 30.0);
        EXPECT_EQ(pPart->getVelocity().getDY(), 40.0);
        EXPECT_EQ(pPart->getAngle().getRadians(), 0.0);
        EXPECT_TRUE(pPart->isAlive());
    }
}

TEST(Part, DestroyAppendsItsFragmentsBehindEarlierDebris) {
    const ScopedZoom zoom(runningZoom);
    platform::seedRandom(7);
    for (const PieceRow& row : pieces) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Part> pPart =
            row.make(Position(23001634.72, -13280000.0), Velocity(1940.0, 3360.18));
        pPart->advance(timeStep);
        OwningList debris;
        auto* pEarlier = new SatelliteStub(Position(), Velocity(), 1.0);
        debris.items.push_back(pEarlier);

        pPart->destroy(debris.items);

        EXPECT_FALSE(pPart->isAlive());
        ASSERT_EQ(debris.items.size(), 1U + static_cast<std::size_t>(row.numFragments));
        EXPECT_EQ(debris.items[0], pEarlier);
        for (std::size_t i = 1; i < debris.items.size(); ++i) {
            const auto* pFragment = dynamic_cast<const Fragment*>(debris.items[i]);
            ASSERT_NE(pFragment, nullptr);
            EXPECT_TRUE(pFragment->isAlive());
            EXPECT_EQ(pFragment->getRadius(), 2.0);
            EXPECT_NEAR(getDistance(pFragment->getPosition(), pPart->getPosition()) /
                            Position::getZoom(),
                        4.0, 1e-6);
        }
    }
}

TEST(Part, ALoosePieceDrawsItsOwnSpriteCentredOnItself) {
    const ScopedZoom zoom(runningZoom);
    const Position center(12300000.0, -4500000.0); // (123, -45) pixels
    for (const PieceRow& row : pieces) {
        SCOPED_TRACE(row.name);
        const std::unique_ptr<Part> pPart = row.make(center, Velocity());
        glrec::reset();

        pPart->draw();

        const std::vector<glrec::Primitive> quads = glrec::primitivesOf(graphics::quads);
        EXPECT_EQ(quads.size(), row.quads);
        EXPECT_EQ(glrec::primitivesOf(graphics::lineStrip).size(), row.lineStrips);
        ASSERT_FALSE(quads.empty());
        ASSERT_EQ(quads[0].vertices.size(), 4U);
        EXPECT_NEAR(quads[0].vertices[0].x, 123.0 + row.firstX, 1e-3);
        EXPECT_NEAR(quads[0].vertices[0].y, -45.0 + row.firstY, 1e-3);
    }
}
