#include "scenes.h"

#include "physics/constants.h"
#include "physics/gravity.h"
#include "ui/uiDraw.h"

#include <cmath>
#include <random>

void Mote::draw() const { drawSprite(&ogstream::drawFragment); }

void Mote::destroy(SatelliteList& newDebris) {
    ++count;
    if (!sturdy) {
        Satellite::destroy(newDebris);
    }
}

long long Mote::breakUps() { return count; }

std::vector<std::unique_ptr<Mote>> makeRings(std::size_t count, unsigned int seed, bool sturdy) {
    constexpr int rings = 16;
    constexpr double lowest = 8.0e6;    // metres from the Earth's centre
    constexpr double spacing = 2.5e6;   // metres between rings
    constexpr double halfWidth = 1.0e6; // metres
    const double earthPull = surfaceGravity * earthRadius * earthRadius;

    std::mt19937 engine(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::vector<std::unique_ptr<Mote>> motes;
    motes.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const double ring = lowest + spacing * static_cast<double>(n % rings);
        const double distance = ring + halfWidth * (2.0 * unit(engine) - 1.0);
        const double angle = twoPi * unit(engine);
        const double speed = std::sqrt(earthPull / distance);
        // Mostly fragments, then bullets, a few parts.
        const double size = unit(engine);
        const double radius = size < 0.7 ? 2.0 : size < 0.9 ? 1.0 : 6.0;
        motes.push_back(std::make_unique<Mote>(
            Position(distance * std::sin(angle), distance * std::cos(angle)),
            Velocity(speed * std::cos(angle), -speed * std::sin(angle)), radius, sturdy));
    }
    return motes;
}
