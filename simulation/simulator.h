#pragma once

#include "objects/satellite.h"
#include "objects/satellites.h"
#include "objects/ship.h"
#include "simulation/collisionPass.h"
#include "window/uiInteract.h"

#include <array>
#include <vector>

// The world: owns every moving object and performs one frame when asked.
class Simulator {
public:
    Simulator();
    ~Simulator();

    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // One frame: input, motion and collisions, drawing.
    void update(const WindowInterface& ui);
    void handleInput(const WindowInterface& ui);
    void advance();
    void draw() const;

    void advancePopulation(double seconds);
    void drawPopulation() const;
    // Breaks up touching objects and hands their debris to the world; extra may be null.
    void checkCollisions(Satellite* extra);
    // Takes ownership of an object created with new.
    void addObject(Satellite* pSatellite);

    const std::array<Satellite*, 10>& getSatellites() const { return satellites; }
    const std::vector<Satellite*>& getDynamicObjects() const { return dynamicObjects; }
    const Ship& getShip() const { return ship; }

private:
    SatelliteSputnik sputnik;
    SatelliteHubble hubble;
    SatelliteGPS gps[6];
    SatelliteStarlink starlink;
    SatelliteCrewDragon crewDragon;
    // Non-owning, in field order; every walk over the satellites goes through it.
    std::array<Satellite*, 10> satellites;
    // Owning; dead objects stay in the list until the world goes.
    std::vector<Satellite*> dynamicObjects;
    // The entries of dynamicObjects that may still be alive, in the same order: every walk goes
    // over these, and advancePopulation drops the dead it meets, so they cost nothing after.
    std::vector<Satellite*> liveObjects;
    CollisionPass collisionPass;
    Ship ship;
};
