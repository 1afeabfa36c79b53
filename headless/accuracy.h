#pragma once

#include "physics/orbit.h"

#include "objects/satellite.h"
#include "session/census.h"

#include <iosfwd>
#include <memory>
#include <vector>

// How good the orbital step is: each satellite kind flown alone from its starting state, timed
// over its first turn about the Earth and compared with Kepler's period for its starting energy.

enum class Method {
    corvexa, // the game's own step, through the satellite's own advance
    verlet,  // velocity Verlet (kick-drift-kick) with the same gravity, for comparison
};

const char* methodName(Method method);

struct SatelliteKind {
    const char* name;
    std::unique_ptr<Satellite> (*make)();
};

// Sputnik, Hubble, GPS (one standing for the six), Starlink, Crew Dragon.
const std::vector<SatelliteKind>& satelliteKinds();

// One satellite and nothing else, moved by one method.
class SoloFlight {
public:
    SoloFlight(const SatelliteKind& kind, Method method, double stepSeconds);

    void step();

    const Position& getPosition() const;
    const Velocity& getVelocity() const;
    double getStepSeconds() const { return stepSeconds; }

private:
    std::unique_ptr<Satellite> satellite; // moves only under the game's own step
    Method method;
    double stepSeconds;
    Position position; // the Verlet state
    Velocity velocity;
};

struct OrbitMeasure {
    double keplerPeriod;        // s
    double period;              // s, the first full turn, interpolated between steps
    double periodErrorPct;      // against Kepler's
    double energyGainPct;       // at the end of the turn, relative to |E0|: positive when it grew
    long long steps;            // taken, the last of them completing the turn
    Position end;               // where that last step left the satellite
    std::vector<Position> path; // every point from the start to the end, when asked for
};

// Flies until the swept angle reaches one turn.
OrbitMeasure measureOrbit(SoloFlight& flight, bool keepPath = false);

// The table: every kind, both methods, steps of 48, 24, 12 and 6 s.
void writeAccuracy(std::ostream& out);

// One orbit of the Crew Dragon at the game's step under each method, then Kepler's ellipse.
void writeAccuracyOrbit(std::ostream& out);
