#include "objects/satellites.h"

#include "objects/fragment.h"
#include "objects/part.h"
#include "ui/uiDraw.h"

namespace {

// Every part of a break-up starts at the satellite's point with its velocity.
template <typename... Parts>
void appendParts(const Position& position, const Velocity& velocity, SatelliteList& newDebris) {
    (appendNew<Parts>(newDebris, position, velocity), ...);
}

} // namespace

SatelliteSputnik::SatelliteSputnik()
    : SatelliteSputnik(Position(-36515095.13, 21082000.0), Velocity(2050.0, 2684.68)) {}

SatelliteSputnik::SatelliteSputnik(const Position& initialPosition, const Velocity& initialVelocity)
    : Satellite(initialPosition, initialVelocity, 4.0) {}

void SatelliteSputnik::draw() const { drawSprite(&ogstream::drawSputnik); }

void SatelliteSputnik::destroy(SatelliteList& newDebris) {
    for (int i = 0; i < 4; ++i) {
        appendNew<Fragment>(newDebris, position, velocity);
    }
    Satellite::destroy(newDebris);
}

SatelliteGPS::SatelliteGPS() : SatelliteGPS(Position(0.0, 26560000.0), Velocity(-3880.0, 0.0)) {}

SatelliteGPS::SatelliteGPS(const Position& initialPosition, const Velocity& initialVelocity)
    : Satellite(initialPosition, initialVelocity, 12.0) {}

void SatelliteGPS::draw() const { drawSprite(&ogstream::drawGPS); }

void SatelliteGPS::destroy(SatelliteList& newDebris) {
    appendParts<PartGPSCenter, PartGPSLeft, PartGPSRight>(position, velocity, newDebris);
    Satellite::destroy(newDebris);
}

SatelliteHubble::SatelliteHubble()
    : SatelliteHubble(Position(0.0, -42164000.0), Velocity(3100.0, 0.0)) {}

SatelliteHubble::SatelliteHubble(const Position& initialPosition, const Velocity& initialVelocity)
    : Satellite(initialPosition, initialVelocity, 10.0) {}

void SatelliteHubble::draw() const { drawSprite(&ogstream::drawHubble); }

void SatelliteHubble::destroy(SatelliteList& newDebris) {
    appendParts<PartHubbleTelescope, PartHubbleComputer, PartHubbleLeft, PartHubbleRight>(
        position, velocity, newDebris);
    Satellite::destroy(newDebris);
}

SatelliteStarlink::SatelliteStarlink()
    : SatelliteStarlink(Position(0.0, -13020000.0), Velocity(5800.0, 0.0)) {}

SatelliteStarlink::SatelliteStarlink(const Position& initialPosition,
                                     const Velocity& initialVelocity)
    : Satellite(initialPosition, initialVelocity, 6.0) {}

void SatelliteStarlink::draw() const { drawSprite(&ogstream::drawStarlink); }

void SatelliteStarlink::destroy(SatelliteList& newDebris) {
    appendParts<PartStarlinkBody, PartStarlinkArray>(position, velocity, newDebris);
    Satellite::destroy(newDebris);
}

SatelliteCrewDragon::SatelliteCrewDragon()
    : SatelliteCrewDragon(Position(0.0, 8000000.0), Velocity(-7900.0, 0.0)) {}

SatelliteCrewDragon::SatelliteCrewDragon(const Position& initialPosition,
                                         const Velocity& initialVelocity)
    : Satellite(initialPosition, initialVelocity, 7.0) {}

void SatelliteCrewDragon::draw() const { drawSprite(&ogstream::drawCrewDragon); }

void SatelliteCrewDragon::destroy(SatelliteList& newDebris) {
    appendParts<PartCrewDragonCenter, PartCrewDragonLeft, PartCrewDragonRight>(position, velocity,
                                                                               newDebris);
    Satellite::destroy(newDebris);
}
