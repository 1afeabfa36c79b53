#pragma once

// The collision pass as the plain loop over every pair of every entry, dead ones included:
// the yardstick that the world's own pass must match call for call.

#include "objects/satellite.h"
#include "simulation/simulator.h"

#include <cstddef>
#include <vector>

inline void referenceCollisionPass(const std::vector<Satellite*>& objects,
                                   SatelliteList& newDebris) {
    for (Satellite* pSatellite : objects) {
        if (pSatellite->isAlive() && pSatellite->isCollidingWithEarth()) {
            pSatellite->destroy(newDebris);
        }
    }
    for (std::size_t i = 0; i < objects.size(); ++i) {
        for (std::size_t j = i + 1; j < objects.size(); ++j) {
            if (objects[i]->isAlive() && objects[j]->isAlive() &&
                objects[i]->isColliding(*objects[j])) {
                objects[i]->destroy(newDebris);
                objects[j]->destroy(newDebris);
            }
        }
    }
}

// Simulator::checkCollisions done with the plain loop over the whole history.
inline void referenceCheckCollisions(Simulator& world, Satellite* extra) {
    std::vector<Satellite*> objects(world.getSatellites().begin(), world.getSatellites().end());
    const std::vector<Satellite*>& history = world.getDynamicObjects();
    objects.insert(objects.end(), history.begin(), history.end());
    if (extra != nullptr) {
        objects.push_back(extra);
    }
    SatelliteList newDebris;
    referenceCollisionPass(objects, newDebris);
    for (Satellite* pSatellite : newDebris) {
        world.addObject(pSatellite);
    }
}
