#include "selfcheck/physicsSuites.h"

#include "physics/acceleration.h"
#include "physics/angle.h"
#include "physics/position.h"
#include "physics/velocity.h"

namespace {

// Sets the shared scale for one case and puts the previous one back when the case ends.
class ScaleOverride {
public:
    explicit ScaleOverride(double metersPerPixel) : saved(Position::getZoom()) {
        Position::setZoom(metersPerPixel);
    }
    ~ScaleOverride() { Position::setZoom(saved); }

    ScaleOverride(const ScaleOverride&) = delete;
    ScaleOverride& operator=(const ScaleOverride&) = delete;

private:
    double saved;
};

} // namespace

void TestAngle::run() {
    clear();
    construct_default();
    construct_nonDefault();
    setRadians();
    add();
    normalizePositive();
    normalizeNegative();
    report("Angle");
}

void TestAngle::construct_default() {
    const Angle angle;
    checkClose(angle.getRadians(), 0.0);
}

void TestAngle::construct_nonDefault() {
    const Angle angle(1.5);
    checkClose(angle.getRadians(), 1.5);
}

void TestAngle::setRadians() {
    Angle angle(0.7);
    angle.setRadians(2.0);
    checkClose(angle.getRadians(), 2.0);
}

void TestAngle::add() {
    Angle angle(1.0);
    angle.add(0.5);
    checkClose(angle.getRadians(), 1.5);
}

void TestAngle::normalizePositive() {
    Angle angle;
    angle.setRadians(7.0);
    checkClose(angle.getRadians(), 0.7168146928204138);
    angle.setRadians(6.283185307179586);
    checkClose(angle.getRadians(), 0.0);
    angle.setRadians(0.0);
    angle.add(0.06);
    checkClose(angle.getRadians(), 0.06);
}

void TestAngle::normalizeNegative() {
    Angle angle;
    angle.setRadians(-1.0);
    checkClose(angle.getRadians(), 5.283185307179586);
    angle.setRadians(0.0);
    angle.add(-0.06);
    checkClose(angle.getRadians(), 6.223185307179587);
}

void TestAcceleration::run() {
    clear();
    construct_default();
    construct_nonDefault();
    setDDX();
    setDDY();
    report("Acceleration");
}

void TestAcceleration::construct_default() {
    const Acceleration acceleration;
    checkClose(acceleration.getDDX(), 0.0);
    checkClose(acceleration.getDDY(), 0.0);
}

void TestAcceleration::construct_nonDefault() {
    const Acceleration acceleration(1.5, -2.5);
    checkClose(acceleration.getDDX(), 1.5);
    checkClose(acceleration.getDDY(), -2.5);
}

void TestAcceleration::setDDX() {
    Acceleration acceleration(99.9, -88.8);
    acceleration.setDDX(1.5);
    checkClose(acceleration.getDDX(), 1.5);
    checkClose(acceleration.getDDY(), -88.8);
}

void TestAcceleration::setDDY() {
    Acceleration acceleration(99.9, -88.8);
    acceleration.setDDY(-2.5);
    checkClose(acceleration.getDDX(), 99.9);
    checkClose(acceleration.getDDY(), -2.5);
}

void TestVelocity::run() {
    clear();
    construct_default();
    construct_nonDefault();
    setDX();
    setDY();
    addAcceleration();
    report("Velocity");
}

void TestVelocity::construct_default() {
    const Velocity velocity;
    checkClose(velocity.getDX(), 0.0);
    checkClose(velocity.getDY(), 0.0);
}

void TestVelocity::construct_nonDefault() {
    const Velocity velocity(100.0, -200.0);
    checkClose(velocity.getDX(), 100.0);
    checkClose(velocity.getDY(), -200.0);
}

void TestVelocity::setDX() {
    Velocity velocity(99.9, -88.8);
    velocity.setDX(50.0);
    checkClose(velocity.getDX(), 50.0);
    checkClose(velocity.getDY(), -88.8);
}

void TestVelocity::setDY() {
    Velocity velocity(99.9, -88.8);
    velocity.setDY(-75.0);
    checkClose(velocity.getDX(), 99.9);
    checkClose(velocity.getDY(), -75.0);
}

void TestVelocity::addAcceleration() {
    Velocity velocity(10.0, 20.0);
    velocity.addAcceleration(Acceleration(2.0, 3.0), 5.0);
    checkClose(velocity.getDX(), 20.0);
    checkClose(velocity.getDY(), 35.0);
}

void TestPosition::run() {
    clear();
    construct_default();
    construct_nonDefault();
    construct_copy();
    assign();
    setMeters();
    setMetersX();
    setMetersY();
    setPixelsX();
    setPixelsY();
    addMeters();
    addPixels();
    getMetersX();
    getMetersY();
    getDistance();
    report("Position");
}

void TestPosition::construct_default() {
    const ScaleOverride scale(99.9);
    const Position pos;
    checkClose(pos.getMetersX(), 0.0);
    checkClose(pos.getMetersY(), 0.0);
    checkClose(pos.getZoom(), 99.9);
}

void TestPosition::construct_nonDefault() {
    const Position pos(120.0, 360.0);
    checkClose(pos.getMetersX(), 120.0);
    checkClose(pos.getMetersY(), 360.0);
}

void TestPosition::construct_copy() {
    const Position original(1234.5, 6789.0);
    const Position copy(original);
    checkClose(copy.getMetersX(), 1234.5);
    checkClose(copy.getMetersY(), 6789.0);
    checkClose(original.getMetersX(), 1234.5);
    checkClose(original.getMetersY(), 6789.0);
}

void TestPosition::assign() {
    const Position source(24.68, -13.57);
    Position target(-99.9, -88.8);
    target = source;
    checkClose(target.getMetersX(), 24.68);
    checkClose(target.getMetersY(), -13.57);
    checkClose(source.getMetersX(), 24.68);
    checkClose(source.getMetersY(), -13.57);
}

void TestPosition::setMeters() {
    const ScaleOverride scale(99.9);
    Position pos(999.9, 888.8);
    pos.setMeters(123.4, 567.8);
    checkClose(pos.getMetersX(), 123.4);
    checkClose(pos.getMetersY(), 567.8);
    checkClose(pos.getZoom(), 99.9);
}

void TestPosition::setMetersX() {
    const ScaleOverride scale(99.9);
    Position pos(999.9, 888.8);
    pos.setMetersX(123.4);
    checkClose(pos.getMetersX(), 123.4);
    checkClose(pos.getMetersY(), 888.8);
    checkClose(pos.getZoom(), 99.9);
}

void TestPosition::setMetersY() {
    const ScaleOverride scale(99.9);
    Position pos(999.9, 888.8);
    pos.setMetersY(123.4);
    checkClose(pos.getMetersX(), 999.9);
    checkClose(pos.getMetersY(), 123.4);
    checkClose(pos.getZoom(), 99.9);
}

void TestPosition::setPixelsX() {
    const ScaleOverride scale(10.0);
    Position pos(999.9, 888.8);
    pos.setPixelsX(12.0);
    checkClose(pos.getMetersX(), 120.0);
    checkClose(pos.getMetersY(), 888.8);
}

void TestPosition::setPixelsY() {
    const ScaleOverride scale(10.0);
    Position pos(999.9, 888.8);
    pos.setPixelsY(-8.0);
    checkClose(pos.getMetersX(), 999.9);
    checkClose(pos.getMetersY(), -80.0);
}

void TestPosition::addMeters() {
    Position pos(10.0, 20.0);
    pos.addMetersX(5.0);
    pos.addMetersY(-3.0);
    checkClose(pos.getMetersX(), 15.0);
    checkClose(pos.getMetersY(), 17.0);
}

void TestPosition::addPixels() {
    const ScaleOverride scale(10.0);
    Position pos(100.0, 200.0);
    pos.addPixelsX(5.0);
    pos.addPixelsY(-3.0);
    checkClose(pos.getMetersX(), 150.0);
    checkClose(pos.getMetersY(), 170.0);
    checkClose(pos.getZoom(), 10.0);
}

void TestPosition::getMetersX() {
    const ScaleOverride scale(99.9);
    const Position pos(4500.0, 2500.0);
    checkClose(pos.getMetersX(), 4500.0);
    checkClose(pos.getMetersX(), 4500.0);
    checkClose(pos.getMetersY(), 2500.0);
    checkClose(pos.getZoom(), 99.9);
}

void TestPosition::getMetersY() {
    const ScaleOverride scale(99.9);
    const Position pos(4500.0, 2500.0);
    checkClose(pos.getMetersY(), 2500.0);
    checkClose(pos.getMetersY(), 2500.0);
    checkClose(pos.getMetersX(), 4500.0);
    checkClose(pos.getZoom(), 99.9);
}

void TestPosition::getDistance() {
    const Position origin;
    const Position corner(3.0, 4.0);
    checkClose(::getDistance(origin, corner), 5.0);
    checkClose(::getDistance(corner, origin), 5.0);
}
