#include "selfcheck/satelliteSuites.h"

#include "objects/satellites.h"
#include "physics/constants.h"
#include "selfcheck/doubles.h"

void TestSatellite::run() {
    clear();
    construct_nonDefault();
    advance_changesPosition();
    advance_changesVelocity();
    report("Satellite");
}

void TestSatellite::construct_nonDefault() {
    const SatelliteDummy satellite(Position(6378000.0, 0.0), Velocity(0.0, 1000.0), 4.0);
    checkClose(satellite.position.getMetersX(), 6378000.0);
    checkClose(satellite.position.getMetersY(), 0.0);
    checkClose(satellite.velocity.getDX(), 0.0);
    checkClose(satellite.velocity.getDY(), 1000.0);
    checkClose(satellite.angle.getRadians(), 0.0);
    checkClose(satellite.radius, 4.0);
    checkThat(satellite.alive);
}

void TestSatellite::advance_changesPosition() {
    SatelliteDummy satellite(Position(6378000.0, 0.0), Velocity(0.0, 1000.0), 4.0);
    satellite.advance(timeStep);
    checkClose(satellite.position.getMetersX(), 6378000.0 - 2304.0);
    checkClose(satellite.position.getMetersY(), 51456.0);
    checkClose(satellite.angle.getRadians(), 0.01);
}

void TestSatellite::advance_changesVelocity() {
    SatelliteDummy satellite(Position(6378000.0, 0.0), Velocity(0.0, 1000.0), 4.0);
    satellite.advance(timeStep);
    checkClose(satellite.velocity.getDX(), -96.0);
    checkClose(satellite.velocity.getDY(), 1000.0 + 144.0);
}

void TestSputnik::run() {
    clear();
    construct_position();
    construct_velocity();
    construct_radius();
    advance_changesPosition();
    advance_changesVelocity();
    report("Sputnik");
}

void TestSputnik::construct_position() {
    const SatelliteSputnik sputnik;
    checkClose(sputnik.position.getMetersX(), -36515095.13);
    checkClose(sputnik.position.getMetersY(), 21082000.0);
}

void TestSputnik::construct_velocity() {
    const SatelliteSputnik sputnik;
    checkClose(sputnik.velocity.getDX(), 2050.0);
    checkClose(sputnik.velocity.getDY(), 2684.68);
}

void TestSputnik::construct_radius() {
    const SatelliteSputnik sputnik;
    checkClose(sputnik.radius, 4.0);
}

void TestSputnik::advance_changesPosition() {
    SatelliteSputnik sputnik;
    const Position start = sputnik.position;
    sputnik.advance(timeStep);
    checkThat(sputnik.position.getMetersX() != start.getMetersX());
    checkThat(sputnik.position.getMetersY() != start.getMetersY());
}

void TestSputnik::advance_changesVelocity() {
    SatelliteSputnik sputnik;
    const Velocity start = sputnik.velocity;
    sputnik.advance(timeStep);
    checkThat(sputnik.velocity.getDX() != start.getDX());
    checkThat(sputnik.velocity.getDY() != start.getDY());
}

void TestSatellites::run() {
    clear();
    hubble_construct();
    gps1_construct();
    gps2_construct();
    gps3_construct();
    gps4_construct();
    gps5_construct();
    gps6_construct();
    starlink_construct();
    crewDragon_construct();
    hubble_advance();
    gps_advance();
    starlink_advance();
    crewDragon_advance();
    report("Satellites");
}

void TestSatellites::hubble_construct() {
    const SatelliteHubble hubble;
    checkClose(hubble.position.getMetersX(), 0.0);
    checkClose(hubble.position.getMetersY(), -42164000.0);
    checkClose(hubble.velocity.getDX(), 3100.0);
    checkClose(hubble.velocity.getDY(), 0.0);
    checkClose(hubble.radius, 10.0);
}

void TestSatellites::gps1_construct() {
    const SatelliteGPS gps;
    checkClose(gps.position.getMetersX(), 0.0);
    checkClose(gps.position.getMetersY(), 26560000.0);
    checkClose(gps.velocity.getDX(), -3880.0);
    checkClose(gps.velocity.getDY(), 0.0);
    checkClose(gps.radius, 12.0);
}

void TestSatellites::gps2_construct() {
    const SatelliteGPS gps(Position(23001634.72, 13280000.0), Velocity(-1940.0, 3360.18));
    checkClose(gps.position.getMetersX(), 23001634.72);
    checkClose(gps.position.getMetersY(), 13280000.0);
    checkClose(gps.velocity.getDX(), -1940.0);
    checkClose(gps.velocity.getDY(), 3360.18);
    checkClose(gps.radius, 12.0);
}

void TestSatellites::gps3_construct() {
    const SatelliteGPS gps(Position(23001634.72, -13280000.0), Velocity(1940.0, 3360.18));
    checkClose(gps.position.getMetersX(), 23001634.72);
    checkClose(gps.position.getMetersY(), -13280000.0);
    checkClose(gps.velocity.getDX(), 1940.0);
    checkClose(gps.velocity.getDY(), 3360.18);
    checkClose(gps.radius, 12.0);
}

void TestSatellites::gps4_construct() {
    const SatelliteGPS gps(Position(0.0, -26560000.0), Velocity(3880.0, 0.0));
    checkClose(gps.position.getMetersX(), 0.0);
    checkClose(gps.position.getMetersY(), -26560000.0);
    checkClose(gps.velocity.getDX(), 3880.0);
    checkClose(gps.velocity.getDY(), 0.0);
    checkClose(gps.radius, 12.0);
}

void TestSatellites::gps5_construct() {
    const SatelliteGPS gps(Position(-23001634.72, -13280000.0), Velocity(1940.0, -3360.18));
    checkClose(gps.position.getMetersX(), -23001634.72);
    checkClose(gps.position.getMetersY(), -13280000.0);
    checkClose(gps.velocity.getDX(), 1940.0);
    checkClose(gps.velocity.getDY(), -3360.18);
    checkClose(gps.radius, 12.0);
}

void TestSatellites::gps6_construct() {
    const SatelliteGPS gps(Position(-23001634.72, 13280000.0), Velocity(-1940.0, -3360.18));
    checkClose(gps.position.getMetersX(), -23001634.72);
    checkClose(gps.position.getMetersY(), 13280000.0);
    checkClose(gps.velocity.getDX(), -1940.0);
    checkClose(gps.velocity.getDY(), -3360.18);
    checkClose(gps.radius, 12.0);
}

void TestSatellites::starlink_construct() {
    const SatelliteStarlink starlink;
    checkClose(starlink.position.getMetersX(), 0.0);
    checkClose(starlink.position.getMetersY(), -13020000.0);
    checkClose(starlink.velocity.getDX(), 5800.0);
    checkClose(starlink.velocity.getDY(), 0.0);
    checkClose(starlink.radius, 6.0);
}

void TestSatellites::crewDragon_construct() {
    const SatelliteCrewDragon crewDragon;
    checkClose(crewDragon.position.getMetersX(), 0.0);
    checkClose(crewDragon.position.getMetersY(), 8000000.0);
    checkClose(crewDragon.velocity.getDX(), -7900.0);
    checkClose(crewDragon.velocity.getDY(), 0.0);
    checkClose(crewDragon.radius, 7.0);
}

void TestSatellites::hubble_advance() {
    SatelliteHubble hubble;
    const Position start = hubble.position;
    hubble.advance(timeStep);
    checkThat(hubble.position.getMetersX() != start.getMetersX());
    checkThat(hubble.position.getMetersY() != start.getMetersY());
}

void TestSatellites::gps_advance() {
    SatelliteGPS gps;
    const Position start = gps.position;
    gps.advance(timeStep);
    checkThat(gps.position.getMetersX() != start.getMetersX());
    checkThat(gps.position.getMetersY() != start.getMetersY());
}

void TestSatellites::starlink_advance() {
    SatelliteStarlink starlink;
    const Position start = starlink.position;
    starlink.advance(timeStep);
    checkThat(starlink.position.getMetersX() != start.getMetersX());
    checkThat(starlink.position.getMetersY() != start.getMetersY());
}

void TestSatellites::crewDragon_advance() {
    SatelliteCrewDragon crewDragon;
    const Position start = crewDragon.position;
    crewDragon.advance(timeStep);
    checkThat(crewDragon.position.getMetersX() != start.getMetersX());
    checkThat(crewDragon.position.getMetersY() != start.getMetersY());
}

void TestCollision::run() {
    clear();
    // One metre per pixel makes the radii the contact distances, so touching is exact.
    Position::setZoom(1.0);

    const CollisionDummy left(Position(0.0, 0.0), 3.0);
    const CollisionDummy touching(Position(7.0, 0.0), 4.0);
    const CollisionDummy apart(Position(7.01, 0.0), 4.0);
    checkThat(left.isColliding(touching));
    checkThat(touching.isColliding(left));
    checkThat(!left.isColliding(apart));
    checkThat(!apart.isColliding(left));

    const CollisionDummy onSurface(Position(6378001.0, 0.0), 1.0);
    const CollisionDummy aboveSurface(Position(6378001.01, 0.0), 1.0);
    checkThat(onSurface.isCollidingWithEarth());
    checkThat(!aboveSurface.isCollidingWithEarth());

    Position::setZoom(100000.0);
    report("Collision");
}
