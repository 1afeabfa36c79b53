#include "objects/fragment.h"

#include "platform/platform.h"
#include "platform/randomSequence.h"

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

using doubles::FragmentStub;
using doubles::OwningList;

namespace {

constexpr double halfPi = twoPi / 4.0;

double uniform(double min, double max) {
    return min + (static_cast<double>(platform::nextRandom()) / RandomSequence::max) * (max - min);
}

struct Box {
    double width;
    double height;
    double centerX;
    double centerY;
};

Box boundsOf(const glrec::Primitive& primitive) {
    double left = primitive.vertices.front().x;
    double right = left;
    double bottom = primitive.vertices.front().y;
    double top = bottom;
    for (const glrec::Vertex& vertex : primitive.vertices) {
        left = std::min(left, static_cast<double>(vertex.x));
        right = std::max(right, static_cast<double>(vertex.x));
        bottom = std::min(bottom, static_cast<double>(vertex.y));
        top = std::max(top, static_cast<double>(vertex.y));
    }
    return Box{right - left, top - bottom, (left + right) / 2.0, (bottom + top) / 2.0};
}

} // namespace

TEST(Fragment, ConstructionKicksAndShiftsFourPixelsAlongItsDirection) {
    const ScopedZoom zoom(10.0);

    const Fragment up(Position::fromPixels(10.0, 20.0), Velocity(100.0, 200.0), 0.0, 5000.0, 75,
                      0.25);
    EXPECT_DOUBLE_EQ(up.getPosition().getPixelsX(), 10.0);
    EXPECT_DOUBLE_EQ(up.getPosition().getPixelsY(), 24.0);
    EXPECT_DOUBLE_EQ(up.getVelocity().getDX(), 100.0);
    EXPECT_DOUBLE_EQ(up.getVelocity().getDY(), 5200.0);
    EXPECT_EQ(up.getRadius(), 2.0);
    EXPECT_EQ(up.getLife(), 75);
    EXPECT_EQ(up.getSpin(), 0.25);
    EXPECT_EQ(up.getAngle().getRadians(), 0.0);
    EXPECT_TRUE(up.isAlive());

    const Fragment right(Position::fromPixels(10.0, 20.0), Velocity(100.0, 200.0), halfPi, 5000.0,
                         75, 0.25);
    EXPECT_NEAR(right.getPosition().getPixelsX(), 14.0, 1e-9);
    EXPECT_NEAR(right.getPosition().getPixelsY(), 20.0, 1e-9);
    EXPECT_NEAR(right.getVelocity().getDX(), 5100.0, 1e-9);
    EXPECT_NEAR(right.getVelocity().getDY(), 200.0, 1e-9);
    // The direction steers the kick and the scatter only; the fragment starts unturned.
    EXPECT_EQ(right.getAngle().getRadians(), 0.0);

    // The scatter is in pixels, so its length in metres follows the scale.
    const ScopedZoom coarser(1000.0);
    const Fragment coarse(Position(0.0, 0.0), Velocity(), 0.0, 0.0, 10, 0.0);
    EXPECT_DOUBLE_EQ(coarse.getPosition().getMetersY(), 4000.0);
}

TEST(Fragment, RandomConstructorDrawsSpinLifeSpeedDirectionInThatOrder) {
    const ScopedZoom zoom(runningZoom);
    const Position origin(-36515095.13, 21082000.0);
    const Velocity start(2050.0, 2684.68);
    for (const unsigned seed : {1U, 42U, 2024U, 31337U}) {
        SCOPED_TRACE(testing::Message() << "seed " << seed);
        scriptedrand::reset(); // a script left by another test would skew these draws
        platform::seedRandom(seed);
        const Fragment fragment(origin, start);

        platform::seedRandom(seed);
        const double spin = uniform(-0.5, 0.5);
        const int life = 50 + platform::nextRandom() % 50;
        const double speed = uniform(5000.0, 9000.0);
        const double direction = uniform(0.0, twoPi);

        EXPECT_DOUBLE_EQ(fragment.getSpin(), spin);
        EXPECT_EQ(fragment.getLife(), life);
        EXPECT_DOUBLE_EQ(fragment.getVelocity().getDX(),
                         start.getDX() + std::sin(direction) * speed);
        EXPECT_DOUBLE_EQ(fragment.getVelocity().getDY(),
                         start.getDY() + std::cos(direction) * speed);
        EXPECT_NEAR(fragment.getPosition().getPixelsX(),
                    origin.getPixelsX() + 4.0 * std::sin(direction), 1e-6);
        EXPECT_NEAR(fragment.getPosition().getPixelsY(),
                    origin.getPixelsY() + 4.0 * std::cos(direction), 1e-6);
        EXPECT_EQ(fragment.getRadius(), 2.0);
        EXPECT_TRUE(fragment.isAlive());
    }
}

TEST(Fragment, AdvanceOrbitsTurnsBySpinAndCountsDown) {
    FragmentStub fragment(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 0.0, 0.0, 75, 0.25,
                          Acceleration(-2.0, 3.0));
    const Position start = fragment.getPosition();

    fragment.advance(10.0);

    EXPECT_DOUBLE_EQ(fragment.getPosition().getMetersX() - start.getMetersX(), 200.0);
    EXPECT_DOUBLE_EQ(fragment.getPosition().getMetersY() - start.getMetersY(), 550.0);
    EXPECT_DOUBLE_EQ(fragment.getVelocity().getDX(), 10.0);
    EXPECT_DOUBLE_EQ(fragment.getVelocity().getDY(), 70.0);
    EXPECT_DOUBLE_EQ(fragment.getAngle().getRadians(), 0.26);
    EXPECT_EQ(fragment.getLife(), 74);
    EXPECT_TRUE(fragment.isAlive());
}

TEST(Fragment, AngleStaysNormalisedUnderNegativeSpin) {
    FragmentStub fragment(Position(1000.0, 2000.0), Velocity(), 0.0, 0.0, 10, -0.5);

    fragment.advance(1.0);

    EXPECT_NEAR(fragment.getAngle().getRadians(), twoPi - 0.49, 1e-12);
}

TEST(Fragment, ExpiresAfterExactlyItsLife) {
    // Life 0 still takes part in one advance.
    for (const int startLife : {0, 1, 2, 75}) {
        SCOPED_TRACE(testing::Message() << "life " << startLife);
        FragmentStub fragment(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 0.0, 0.0, startLife,
                              0.1);
        ASSERT_TRUE(fragment.isAlive());
        for (int step = 1; step < startLife; ++step) {
            fragment.advance(1.0);
            ASSERT_TRUE(fragment.isAlive()) << "after step " << step;
            ASSERT_EQ(fragment.getLife(), startLife - step);
        }
        const double xBefore = fragment.getPosition().getMetersX();
        fragment.advance(1.0);
        EXPECT_FALSE(fragment.isAlive());
        EXPECT_EQ(fragment.getLife(), 0);
        EXPECT_DOUBLE_EQ(fragment.getPosition().getMetersX() - xBefore, 30.0);
    }
}

TEST(Fragment, DeadFragmentNeitherMovesNorTurnsAndKeepsItsLife) {
    FragmentStub expired(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 0.0, 0.0, 1, 0.1,
                         Acceleration(-2.0, 3.0));
    expired.advance(10.0);
    FragmentStub hit(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 0.0, 0.0, 75, 0.1,
                     Acceleration(-2.0, 3.0));
    OwningList debris;
    hit.destroy(debris.items);
    EXPECT_TRUE(debris.items.empty());

    for (FragmentStub* pDead : {&expired, &hit}) {
        ASSERT_FALSE(pDead->isAlive());
        const Position position = pDead->getPosition();
        const Velocity velocity = pDead->getVelocity();
        const double radians = pDead->getAngle().getRadians();
        const int life = pDead->getLife();

        pDead->advance(10.0);

        EXPECT_EQ(pDead->getPosition().getMetersX(), position.getMetersX());
        EXPECT_EQ(pDead->getPosition().getMetersY(), position.getMetersY());
        EXPECT_EQ(pDead->getVelocity().getDX(), velocity.getDX());
        EXPECT_EQ(pDead->getVelocity().getDY(), velocity.getDY());
        EXPECT_EQ(pDead->getAngle().getRadians(), radians);
        EXPECT_EQ(pDead->getLife(), life);
    }
    EXPECT_EQ(expired.getLife(), 0);
    EXPECT_EQ(hit.getLife(), 75);
}

TEST(Fragment, DrawsATurnedBarOnlyWhileAlive) {
    const ScopedZoom zoom(runningZoom);
    // Spun to a quarter turn in one advance of no time, so it stays where it was made.
    FragmentStub fragment(Position::fromPixels(50.0, -30.0), Velocity(), 0.0, 0.0, 2,
                          halfPi - 0.01);

    glrec::reset();
    fragment.draw();
    std::vector<glrec::Primitive> quads = glrec::primitivesOf(graphics::quads);
    ASSERT_EQ(quads.size(), 1U);
    Box box = boundsOf(quads[0]);
    EXPECT_NEAR(box.width, 8.0, 1e-3);
    EXPECT_NEAR(box.height, 2.0, 1e-3);
    EXPECT_NEAR(box.centerX, 50.0, 1e-3);
    EXPECT_NEAR(box.centerY, -26.0, 1e-3);

    fragment.advance(0.0);
    glrec::reset();
    fragment.draw();
    quads = glrec::primitivesOf(graphics::quads);
    ASSERT_EQ(quads.size(), 1U);
    box = boundsOf(quads[0]);
    EXPECT_NEAR(box.width, 2.0, 1e-3);
    EXPECT_NEAR(box.height, 8.0, 1e-3);
    EXPECT_NEAR(box.centerX, 50.0, 1e-3);
    EXPECT_NEAR(box.centerY, -26.0, 1e-3);

    fragment.advance(0.0);
    ASSERT_FALSE(fragment.isAlive());
    glrec::reset();
    fragment.draw();
    EXPECT_TRUE(glrec::primitives().empty());
}
