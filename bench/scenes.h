#pragma once

#include "objects/satellite.h"

#include <cstddef>
#include <memory>
#include <vector>

// Debris for benchmark scenes. It orbits like any object and is drawn as a fragment; its
// break-ups leave no pieces and are counted. A sturdy mote survives them, so that a world keeps
// all its objects frame after frame; any other dies and can be revived for the next run.
class Mote : public Satellite {
public:
    Mote(const Position& initialPosition, const Velocity& initialVelocity, double radiusPixels,
         bool isSturdy)
        : Satellite(initialPosition, initialVelocity, radiusPixels), sturdy(isSturdy) {}

    void draw() const override;
    void destroy(SatelliteList& newDebris) override;
    void revive() { alive = true; }

    static long long breakUps();

private:
    bool sturdy;
    static inline long long count = 0;
};

// Motes on circular orbits in sixteen rings between low orbit and beyond the geostationary
// one, sized like fragments, bullets and parts; the same scene for the same seed.
std::vector<std::unique_ptr<Mote>> makeRings(std::size_t count, unsigned int seed, bool sturdy);
