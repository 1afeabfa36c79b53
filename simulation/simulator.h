#pragma once

#include "objects/satellite.h"
#include "objects/ship.h"
#include "simulation/collisionPass.h"
#include "simulation/population.h"
#include "window/uiInteract.h"

#include <memory>
#include <vector>

// The world: owns every moving object and performs one frame when asked.
class Simulator {
public:
    // The world as built.
    Simulator();
    // A world of one's own, a scene's; without a ship, the keys do nothing.
    explicit Simulator(Population population);
    ~Simulator();

    Simulator(const Simulator&) = delete;
    Simulator& operator=(const Simulator&) = delete;

    // One frame: input, motion and collisions, drawing.
    void update(const WindowInterface& ui);
    // The same frame when nobody sees it: only the ship draws, since its flame draws random
    // numbers that the fragments of later frames would otherwise get. The world comes out bit
    // for bit as update leaves it.
    void updateUnseen(const WindowInterface& ui);
    void handleInput(const WindowInterface& ui);
    void advance();
    void draw() const;

    void advancePopulation(double seconds);
    void drawPopulation() const;
    // Breaks up touching objects and hands their debris to the world; extra may be null.
    void checkCollisions(Satellite* extra);
    // Takes ownership of an object created with new.
    void addObject(Satellite* pSatellite);

    // The objects the world started with, in order: the ten satellites as built, or a scene's
    // satellites and parts. Dead ones stay.
    const std::vector<Satellite*>& getSatellites() const { return satellites; }
    const std::vector<Satellite*>& getDynamicObjects() const { return dynamicObjects; }
    bool hasShip() const { return shipAboard; }
    // Without a ship, one that is dead from the start and never moves.
    const Ship& getShip() const { return ship; }

private:
    std::vector<std::unique_ptr<Satellite>> placedObjects;
    // Non-owning, in the same order; every walk over them goes through it.
    std::vector<Satellite*> satellites;
    // Owning; dead objects stay in the list until the world goes.
    std::vector<Satellite*> dynamicObjects;
    // The entries of dynamicObjects that may still be alive, in the same order: every walk goes
    // over these, and advancePopulation drops the dead it meets, so they cost nothing after.
    std::vector<Satellite*> liveObjects;
    CollisionPass collisionPass;
    Ship ship;
    bool shipAboard;
};
