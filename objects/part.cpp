#include "objects/part.h"

#include "objects/fragment.h"
#include "ui/uiDraw.h"

Part::Part(const Position& initialPosition, const Velocity& initialVelocity, double radiusPixels,
           int fragments)
    : Satellite(initialPosition, initialVelocity, radiusPixels), numFragments(fragments) {}

void Part::destroy(SatelliteList& newDebris) {
    for (int i = 0; i < numFragments; ++i) {
        appendNew<Fragment>(newDebris, position, velocity);
    }
    Satellite::destroy(newDebris);
}

PartGPSCenter::PartGPSCenter(const Position& initialPosition, const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 7.0, 3) {}
void PartGPSCenter::draw() const { drawSprite(&ogstream::drawGPSCenter); }

PartGPSLeft::PartGPSLeft(const Position& initialPosition, const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 8.0, 3) {}
void PartGPSLeft::draw() const { drawSprite(&ogstream::drawGPSLeft); }

PartGPSRight::PartGPSRight(const Position& initialPosition, const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 8.0, 3) {}
void PartGPSRight::draw() const { drawSprite(&ogstream::drawGPSRight); }

PartHubbleTelescope::PartHubbleTelescope(const Position& initialPosition,
                                         const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 10.0, 3) {}
void PartHubbleTelescope::draw() const { drawSprite(&ogstream::drawHubbleTelescope); }

PartHubbleComputer::PartHubbleComputer(const Position& initialPosition,
                                       const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 7.0, 2) {}
void PartHubbleComputer::draw() const { drawSprite(&ogstream::drawHubbleComputer); }

PartHubbleLeft::PartHubbleLeft(const Position& initialPosition, const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 8.0, 2) {}
void PartHubbleLeft::draw() const { drawSprite(&ogstream::drawHubbleLeft); }

PartHubbleRight::PartHubbleRight(const Position& initialPosition, const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 8.0, 2) {}
void PartHubbleRight::draw() const { drawSprite(&ogstream::drawHubbleRight); }

PartStarlinkBody::PartStarlinkBody(const Position& initialPosition, const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 2.0, 3) {}
void PartStarlinkBody::draw() const { drawSprite(&ogstream::drawStarlinkBody); }

PartStarlinkArray::PartStarlinkArray(const Position& initialPosition,
                                     const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 4.0, 3) {}
void PartStarlinkArray::draw() const { drawSprite(&ogstream::drawStarlinkArray); }

PartCrewDragonCenter::PartCrewDragonCenter(const Position& initialPosition,
                                           const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 6.0, 4) {}
void PartCrewDragonCenter::draw() const { drawSprite(&ogstream::drawCrewDragonCenter); }

PartCrewDragonLeft::PartCrewDragonLeft(const Position& initialPosition,
                                       const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 6.0, 2) {}
void PartCrewDragonLeft::draw() const { drawSprite(&ogstream::drawCrewDragonLeft); }

PartCrewDragonRight::PartCrewDragonRight(const Position& initialPosition,
                                         const Velocity& initialVelocity)
    : Part(initialPosition, initialVelocity, 6.0, 2) {}
void PartCrewDragonRight::draw() const { drawSprite(&ogstream::drawCrewDragonRight); }
