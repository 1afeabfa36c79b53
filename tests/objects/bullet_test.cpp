#include "objects/bullet.h"

#include "physics/constants.h"
#include "support/doubles.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <vector>

using doubles::BulletStub;
using doubles::OwningList;

TEST(Bullet, FliesSeventyStepsThenDies) {
    BulletStub bullet(Position(100.0, 200.0), Velocity(3.0, 4.0));
    EXPECT_EQ(bullet.getLife(), 70);
    EXPECT_EQ(bullet.getRadius(), 1.0);
    EXPECT_TRUE(bullet.isAlive());

    bullet.advance(10.0);

    EXPECT_DOUBLE_EQ(bullet.getPosition().getMetersX(), 130.0);
    EXPECT_DOUBLE_EQ(bullet.getPosition().getMetersY(), 240.0);
    EXPECT_EQ(bullet.getVelocity().getDX(), 3.0);
    EXPECT_EQ(bullet.getVelocity().getDY(), 4.0);
    EXPECT_DOUBLE_EQ(bullet.getAngle().getRadians(), 0.01);
    EXPECT_EQ(bullet.getLife(), 69);

    for (int step = 2; step < 70; ++step) {
        bullet.advance(0.0);
        ASSERT_TRUE(bullet.isAlive()) << "after step " << step;
    }
    EXPECT_EQ(bullet.getLife(), 1);

    bullet.advance(0.0);

    EXPECT_FALSE(bullet.isAlive());
    EXPECT_EQ(bullet.getLife(), 0);
}

TEST(Bullet, FallsLikeAnyOrbitingObject) {
    BulletStub stubbed(Position(100.0, 200.0), Velocity(3.0, 4.0), Acceleration(-2.0, 3.0));
    stubbed.advance(10.0);
    EXPECT_DOUBLE_EQ(stubbed.getPosition().getMetersX(), 30.0);
    EXPECT_DOUBLE_EQ(stubbed.getPosition().getMetersY(), 390.0);
    EXPECT_DOUBLE_EQ(stubbed.getVelocity().getDX(), -17.0);
    EXPECT_DOUBLE_EQ(stubbed.getVelocity().getDY(), 34.0);

    Bullet dropped(Position(6378000.0, 0.0), Velocity());
    dropped.advance(1.0);
    EXPECT_DOUBLE_EQ(dropped.getVelocity().getDX(), -9.80665);
    EXPECT_EQ(dropped.getLife(), 69);
}

TEST(Bullet, DeadBulletNeitherMovesNorCountsNorDraws) {
    BulletStub expired(Position(100.0, 200.0), Velocity(3.0, 4.0), Acceleration(-2.0, 3.0));
    for (int step = 0; step < 70; ++step) {
        expired.advance(1.0);
    }
    ASSERT_FALSE(expired.isAlive());
    const Position position = expired.getPosition();
    const Velocity velocity = expired.getVelocity();
    const double radians = expired.getAngle().getRadians();

    expired.advance(10.0);

    EXPECT_EQ(expired.getPosition().getMetersX(), position.getMetersX());
    EXPECT_EQ(expired.getPosition().getMetersY(), position.getMetersY());
    EXPECT_EQ(expired.getVelocity().getDX(), velocity.getDX());
    EXPECT_EQ(expired.getVelocity().getDY(), velocity.getDY());
    EXPECT_EQ(expired.getAngle().getRadians(), radians);
    EXPECT_EQ(expired.getLife(), 0);
    glrec::reset();
    expired.draw();
    EXPECT_TRUE(glrec::calls().empty());

    BulletStub hit(Position(100.0, 200.0), Velocity(3.0, 4.0));
    OwningList debris;
    hit.destroy(debris.items);
    EXPECT_TRUE(debris.items.empty());
    EXPECT_FALSE(hit.isAlive());
    hit.advance(10.0);
    EXPECT_EQ(hit.getPosition().getMetersX(), 100.0);
    EXPECT_EQ(hit.getLife(), 70);
    glrec::reset();
    hit.draw();
    EXPECT_TRUE(glrec::calls().empty());
}

TEST(Bullet, DrawsAnUnturnedWhiteSquareAtItsPosition) {
    const ScopedZoom zoom(runningZoom);
    BulletStub bullet(Position(12300000.0, -4500000.0), Velocity());
    bullet.advance(0.0); // turned by 0.01, which the sprite ignores

    glrec::reset();
    bullet.draw();

    const std::vector<glrec::Primitive> primitives = glrec::primitives();
    ASSERT_EQ(primitives.size(), 1U);
    ASSERT_EQ(primitives[0].mode, static_cast<graphics::Mode>(graphics::quads));
    ASSERT_EQ(primitives[0].vertices.size(), 4U);
    const float corners[4][2] = {{124, -44}, {122, -44}, {122, -46}, {124, -46}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(primitives[0].vertices[i].x, corners[i][0], 1e-3);
        EXPECT_NEAR(primitives[0].vertices[i].y, corners[i][1], 1e-3);
        EXPECT_EQ(primitives[0].vertices[i].color,
                  (glrec::Rgb{255 / 256.0F, 255 / 256.0F, 255 / 256.0F}));
    }
}
