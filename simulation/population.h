#pragma once

#include "objects/satellite.h"
#include "objects/ship.h"

#include <memory>
#include <optional>
#include <vector>

// What a world starts with, before it makes any debris: its satellites and parts, in the order
// every walk takes them, and its ship, if it has one.
struct Population {
    std::vector<std::unique_ptr<Satellite>> objects;
    std::optional<ShipStart> ship;
};

// The world as built: Sputnik, Hubble, six GPS satellites on one orbit, Starlink and Crew
// Dragon, and the ship at its start, given in pixels at the scale in force now.
Population builtPopulation();
