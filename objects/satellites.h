#pragma once

#include "objects/satellite.h"

// The five named kinds. Each differs from the others only in its starting state, its sprite
// and what it breaks into. Each also starts wherever a scene places it.

class SatelliteSputnik : public Satellite {
public:
    SatelliteSputnik();
    SatelliteSputnik(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
    // Four random fragments: the Sputnik has no parts.
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteGPS : public Satellite {
public:
    SatelliteGPS();
    SatelliteGPS(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteHubble : public Satellite {
public:
    SatelliteHubble();
    SatelliteHubble(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteStarlink : public Satellite {
public:
    SatelliteStarlink();
    SatelliteStarlink(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};

class SatelliteCrewDragon : public Satellite {
public:
    SatelliteCrewDragon();
    SatelliteCrewDragon(const Position& initialPosition, const Velocity& initialVelocity);
    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
};
