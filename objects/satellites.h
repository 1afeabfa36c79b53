#pragma once

#include "objects/satellite.h"

// The five named kinds. Each differs from the others only in its starting state, its sprite
// and what it breaks into.

class SatelliteSputnik : public Satellite {
public:
    SatelliteSputnik();
    void draw() const override;
    // Four random fragments: the Sputnik has no parts.
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteGPS : public Satellite {
public:
    SatelliteGPS();
    // The world places its GPS satellites at different points of one orbit.
    SatelliteGPS(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteHubble : public Satellite {
public:
    SatelliteHubble();
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteStarlink : public Satellite {
public:
    SatelliteStarlink();
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteCrewDragon : public Satellite {
public:
    SatelliteCrewDragon();
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};
