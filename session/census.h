#pragma once

#include "physics/orbit.h"

#include <cstdint>
#include <string>

class Simulator;

// What a user asks of a world after some frames, and what a replay checks.
struct Census {
    long long frame;
    double seconds;
    int satellites; // satellites still whole: the ten as built, or a scene's
    int parts;      // a scene's own among them
    int fragments;
    int bullets;
    bool shipAlive;    // never, in a scene without a ship
    long long created; // bullets, parts and fragments made so far, alive or not
    // Objects destroyed by touching something or the Earth: satellites, parts, the ship, and
    // fragments and bullets that broke before their life ran out.
    long long breakUps;
    double energy; // summed v^2/2 - mu/r of the live satellites, J/kg
    // Every object's state to the last bit: its kind, whether it lives, where it is and how
    // it moves (64-bit FNV-1a).
    std::uint64_t worldDigest;
};

// Without the digest, the census costs one walk of the objects and no hashing.
Census takeCensus(const Simulator& world, long long frame, bool withDigest = true);
