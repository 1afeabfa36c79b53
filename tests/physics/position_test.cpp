#include "physics/position.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {
// Every test sets the scale it needs and puts the process-wide value back.
class PositionTest : public ::testing::Test {
protected:
    void TearDown() override { Position::setZoom(savedZoom); }
    double savedZoom = Position::getZoom();
};
} // namespace

TEST_F(PositionTest, StartsAtTheOriginAndLeavesTheScale) {
    Position::setZoom(123.0);
    const Position origin;
    EXPECT_EQ(origin.getMetersX(), 0.0);
    EXPECT_EQ(origin.getMetersY(), 0.0);
    EXPECT_EQ(Position::getZoom(), 123.0);
    const Position pos(120.0, 360.0);
    EXPECT_EQ(pos.getMetersX(), 120.0);
    EXPECT_EQ(pos.getMetersY(), 360.0);
}

TEST_F(PositionTest, CopiesAndAssignsBothCoordinates) {
    const Position original(1234.5, 6789.0);
    const Position copy(original);
    EXPECT_EQ(copy.getMetersX(), 1234.5);
    EXPECT_EQ(copy.getMetersY(), 6789.0);
    Position target(-99.9, -88.8);
    const Position source(24.68, -13.57);
    target = source;
    EXPECT_EQ(target.getMetersX(), 24.68);
    EXPECT_EQ(target.getMetersY(), -13.57);
    EXPECT_EQ(source.getMetersX(), 24.68);
}

TEST_F(PositionTest, MetreSettersChangeOnlyWhatTheyName) {
    Position::setZoom(99.9);
    Position pos(999.9, 888.8);
    pos.setMetersX(123.4);
    EXPECT_EQ(pos.getMetersX(), 123.4);
    EXPECT_EQ(pos.getMetersY(), 888.8);
    pos.setMetersY(567.8);
    EXPECT_EQ(pos.getMetersY(), 567.8);
    pos.setMeters(1.0, 2.0);
    EXPECT_EQ(pos.getMetersX(), 1.0);
    EXPECT_EQ(pos.getMetersY(), 2.0);
    EXPECT_EQ(Position::getZoom(), 99.9);
}

TEST_F(PositionTest, PixelsGoThroughTheSharedScale) {
    Position::setZoom(10.0);
    Position pos(999.9, 888.8);
    pos.setPixelsX(12.0);
    EXPECT_EQ(pos.getMetersX(), 120.0);
    EXPECT_EQ(pos.getMetersY(), 888.8);
    pos.setPixelsY(-8.0);
    EXPECT_EQ(pos.getMetersY(), -80.0);
    EXPECT_EQ(pos.getPixelsX(), 12.0);

    Position moving(100.0, 200.0);
    moving.addPixelsX(5.0);
    moving.addPixelsY(-3.0);
    EXPECT_EQ(moving.getMetersX(), 150.0);
    EXPECT_EQ(moving.getMetersY(), 170.0);
    EXPECT_EQ(Position::getZoom(), 10.0);

    // One scale for every position: changing it through one moves all on the screen.
    const Position other(4500.0, 2500.0);
    pos.setZoom(100.0);
    EXPECT_EQ(other.getPixelsX(), 45.0);
    EXPECT_EQ(other.getPixelsY(), 25.0);
    EXPECT_EQ(other.getMetersX(), 4500.0);
}

TEST_F(PositionTest, AddsMetres) {
    Position pos(10.0, 20.0);
    pos.addMetersX(5.0);
    pos.addMetersY(-3.0);
    EXPECT_EQ(pos.getMetersX(), 15.0);
    EXPECT_EQ(pos.getMetersY(), 17.0);
}

TEST_F(PositionTest, DistanceIsEuclidean) {
    EXPECT_EQ(getDistance(Position(0.0, 0.0), Position(3.0, 4.0)), 5.0);
    EXPECT_EQ(getDistance(Position(3.0, 4.0), Position(0.0, 0.0)), 5.0);
    EXPECT_EQ(getDistance(Position(-7.0, 2.5), Position(-7.0, 2.5)), 0.0);
}

TEST_F(PositionTest, WritesMetresInTheStreamFormat) {
    std::ostringstream out;
    out << Position(1234.5, 6789.0);
    EXPECT_EQ(out.str(), "(1234.5m , 6789m)");
}

TEST_F(PositionTest, ReadsTwoNumbersInMetres) {
    std::istringstream in("12.5 -7");
    Position pos;
    in >> pos;
    EXPECT_TRUE(in);
    EXPECT_EQ(pos.getMetersX(), 12.5);
    EXPECT_EQ(pos.getMetersY(), -7.0);
}

TEST_F(PositionTest, BadInputLeavesThePositionAsItWas) {
    for (const char* text : {"", "abc", "12.5", "12.5 abc", "x 3"}) {
        std::istringstream in(text);
        Position pos(1.0, 2.0);
        in >> pos;
        EXPECT_TRUE(in.fail()) << '"' << text << '"';
        EXPECT_EQ(pos.getMetersX(), 1.0) << '"' << text << '"';
        EXPECT_EQ(pos.getMetersY(), 2.0) << '"' << text << '"';
    }
}
