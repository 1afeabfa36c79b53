#pragma once

#include "physics/position.h"

#include <unordered_map>
#include <vector>

class Satellite;
class Simulator;

// Each live object's recent path, kept while the trails are shown and drawn behind the sprites
// as a thin line in a dim shade of the object's colour. A point is kept once the object has
// moved a few pixels from the last, so a trail is as long as an orbit's outline, low or high,
// and costs the same whatever the speed.
class Trails {
public:
    // After a world frame.
    void record(const Simulator& world);
    void draw() const;
    void clear() { trails.clear(); }

private:
    struct Trail {
        std::vector<Position> points; // a ring: next is the oldest once it is full
        std::size_t next = 0;
        int kind = 0;
        bool seen = false;
    };
    void record(const Satellite& object);

    std::unordered_map<const Satellite*, Trail> trails;
    std::size_t longest = 300; // points a trail keeps
};
