#include "selfcheck/debrisSuites.h"

#include "objects/part.h"
#include "selfcheck/doubles.h"

namespace {

// Every piece is checked at rest at the origin, where only its own radius and count differ.
const Position origin;
const Velocity atRest;

// Kicked straight up at 5000 m/s from (10, 20) pixels, so it ends 4 pixels higher.
FragmentStub kickedFragment() {
    return FragmentStub(Position::fromPixels(10.0, 20.0), Velocity(100.0, 200.0), 0.0, 5000.0, 75,
                        0.25);
}

// Without a kick it moves only under the fixed pull, from (1000, 2000) m plus the 4-pixel shift.
FragmentStub driftingFragment(int life) {
    return FragmentStub(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 0.0, 0.0, life, 0.25);
}

} // namespace

void TestPart::run() {
    clear();
    construct_nonDefault();
    advance_changesPosition();
    advance_changesVelocity();
    gpsCenter_construct();
    gpsLeft_construct();
    gpsRight_construct();
    hubbleTelescope_construct();
    hubbleComputer_construct();
    hubbleLeft_construct();
    hubbleRight_construct();
    crewDragonCenter_construct();
    crewDragonLeft_construct();
    crewDragonRight_construct();
    starlinkBody_construct();
    starlinkArray_construct();
    report("Part");
}

void TestPart::construct_nonDefault() {
    const PartDummy part(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 7.0, 3);
    checkClose(part.position.getMetersX(), 1000.0);
    checkClose(part.position.getMetersY(), 2000.0);
    checkClose(part.velocity.getDX(), 30.0);
    checkClose(part.velocity.getDY(), 40.0);
    checkClose(part.radius, 7.0);
    checkClose(part.numFragments, 3);
    checkThat(part.isAlive());
}

void TestPart::advance_changesPosition() {
    PartDummy part(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 7.0, 3);
    part.advance(10.0);
    checkClose(part.position.getMetersX(), 1200.0);
    checkClose(part.position.getMetersY(), 2550.0);
}

void TestPart::advance_changesVelocity() {
    PartDummy part(Position(1000.0, 2000.0), Velocity(30.0, 40.0), 7.0, 3);
    part.advance(10.0);
    checkClose(part.velocity.getDX(), 10.0);
    checkClose(part.velocity.getDY(), 70.0);
}

void TestPart::gpsCenter_construct() {
    const PartGPSCenter part(Position(10.0, 20.0), Velocity(30.0, 40.0));
    checkClose(part.position.getMetersX(), 10.0);
    checkClose(part.velocity.getDX(), 30.0);
    checkClose(part.radius, 7.0);
    checkClose(part.numFragments, 3);
}

void TestPart::gpsLeft_construct() {
    const PartGPSLeft part(origin, atRest);
    checkClose(part.radius, 8.0);
    checkClose(part.numFragments, 3);
}

void TestPart::gpsRight_construct() {
    const PartGPSRight part(origin, atRest);
    checkClose(part.radius, 8.0);
    checkClose(part.numFragments, 3);
}

void TestPart::hubbleTelescope_construct() {
    const PartHubbleTelescope part(origin, atRest);
    checkClose(part.radius, 10.0);
    checkClose(part.numFragments, 3);
}

void TestPart::hubbleComputer_construct() {
    const PartHubbleComputer part(origin, atRest);
    checkClose(part.radius, 7.0);
    checkClose(part.numFragments, 2);
}

void TestPart::hubbleLeft_construct() {
    const PartHubbleLeft part(origin, atRest);
    checkClose(part.radius, 8.0);
    checkClose(part.numFragments, 2);
}

void TestPart::hubbleRight_construct() {
    const PartHubbleRight part(origin, atRest);
    checkClose(part.radius, 8.0);
    checkClose(part.numFragments, 2);
}

void TestPart::crewDragonCenter_construct() {
    const PartCrewDragonCenter part(origin, atRest);
    checkClose(part.radius, 6.0);
    checkClose(part.numFragments, 4);
}

void TestPart::crewDragonLeft_construct() {
    const PartCrewDragonLeft part(origin, atRest);
    checkClose(part.radius, 6.0);
    checkClose(part.numFragments, 2);
}

void TestPart::crewDragonRight_construct() {
    const PartCrewDragonRight part(origin, atRest);
    checkClose(part.radius, 6.0);
    checkClose(part.numFragments, 2);
}

void TestPart::starlinkBody_construct() {
    const PartStarlinkBody part(origin, atRest);
    checkClose(part.radius, 2.0);
    checkClose(part.numFragments, 3);
}

void TestPart::starlinkArray_construct() {
    const PartStarlinkArray part(origin, atRest);
    checkClose(part.radius, 4.0);
    checkClose(part.numFragments, 3);
}

void TestFragment::run() {
    clear();
    construct_position();
    construct_velocity();
    construct_radius();
    construct_life();
    construct_alive();
    advance_changesPosition();
    advance_changesVelocity();
    advance_changesAngle();
    advance_decreasesLife();
    advance_expires();
    advance_deadDoesNotMove();
    report("Fragment");
}

void TestFragment::construct_position() {
    const FragmentStub fragment = kickedFragment();
    checkClose(fragment.position.getPixelsX(), 10.0);
    checkClose(fragment.position.getPixelsY(), 24.0);
}

void TestFragment::construct_velocity() {
    const FragmentStub fragment = kickedFragment();
    checkClose(fragment.velocity.getDX(), 100.0);
    checkClose(fragment.velocity.getDY(), 5200.0);
}

void TestFragment::construct_radius() {
    const FragmentStub fragment = kickedFragment();
    checkClose(fragment.radius, 2.0);
}

void TestFragment::construct_life() {
    const FragmentStub fragment = kickedFragment();
    checkClose(fragment.life, 75);
}

void TestFragment::construct_alive() {
    const FragmentStub fragment = kickedFragment();
    checkThat(fragment.isAlive());
}

void TestFragment::advance_changesPosition() {
    FragmentStub fragment = driftingFragment(75);
    const double startX = fragment.position.getMetersX();
    const double startY = fragment.position.getMetersY();
    fragment.advance(10.0);
    checkClose(fragment.position.getMetersX(), startX + 200.0);
    checkClose(fragment.position.getMetersY(), startY + 550.0);
}

void TestFragment::advance_changesVelocity() {
    FragmentStub fragment = driftingFragment(75);
    fragment.advance(10.0);
    checkClose(fragment.velocity.getDX(), 10.0);
    checkClose(fragment.velocity.getDY(), 70.0);
}

void TestFragment::advance_changesAngle() {
    FragmentStub fragment = driftingFragment(75);
    const double startAngle = fragment.angle.getRadians();
    fragment.advance(1.0);
    checkThat(fragment.angle.getRadians() != startAngle);
    checkClose(fragment.angle.getRadians(), startAngle + 0.01 + 0.25);
}

void TestFragment::advance_decreasesLife() {
    FragmentStub fragment = driftingFragment(75);
    fragment.advance(1.0);
    checkClose(fragment.life, 74);
    checkThat(fragment.isAlive());
}

void TestFragment::advance_expires() {
    FragmentStub fragment = driftingFragment(1);
    fragment.advance(1.0);
    checkClose(fragment.life, 0);
    checkThat(!fragment.isAlive());
}

void TestFragment::advance_deadDoesNotMove() {
    FragmentStub fragment = driftingFragment(1);
    fragment.advance(1.0);
    const double deadX = fragment.position.getMetersX();
    const double deadY = fragment.position.getMetersY();
    const double deadAngle = fragment.angle.getRadians();
    fragment.advance(10.0);
    checkClose(fragment.position.getMetersX(), deadX);
    checkClose(fragment.position.getMetersY(), deadY);
    checkClose(fragment.angle.getRadians(), deadAngle);
    checkClose(fragment.life, 0);
    checkThat(!fragment.isAlive());
}
