#include "headless/accuracy.h"

#include "headless/headless.h"
#include "headless/session.h"
#include "physics/constants.h"

#include "support/quietDrawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <sstream>
#include <string>
#include <vector>

using Accuracy = QuietDrawing;

namespace {

// Where each kind sits in the world's list: the Sputnik, the Hubble, the first GPS (the one
// built with the kind's own start), the Starlink, the Crew Dragon.
constexpr std::size_t worldIndex[] = {0, 1, 2, 8, 9};

double periodErrorPct(const SatelliteKind& kind, Method method, double step) {
    SoloFlight flight(kind, method, step);
    return measureOrbit(flight).periodErrorPct;
}

} // namespace

TEST_F(Accuracy, TheGameStepEndsEachOrbitWhereTheWorldsOwnSatelliteIs) {
    std::vector<OrbitMeasure> orbits;
    long long longest = 0;
    for (const SatelliteKind& kind : satelliteKinds()) {
        SoloFlight flight(kind, Method::corvexa, timeStep);
        orbits.push_back(measureOrbit(flight));
        longest = std::max(longest, orbits.back().steps);
    }
    HeadlessSession session(1);
    int compared = 0;
    while (session.getFrame() < longest) {
        session.runFrame();
        for (std::size_t i = 0; i < orbits.size(); ++i) {
            const Satellite& own = *session.getWorld().getSatellites()[worldIndex[i]];
            if (orbits[i].steps == session.getFrame() && own.isAlive()) {
                const char* name = satelliteKinds()[i].name;
                EXPECT_EQ(orbits[i].end.getMetersX(), own.getPosition().getMetersX()) << name;
                EXPECT_EQ(orbits[i].end.getMetersY(), own.getPosition().getMetersY()) << name;
                ++compared;
            }
        }
    }
    // All but the GPS, which meets the ship in frame 160.
    EXPECT_EQ(compared, 4);
}

TEST_F(Accuracy, KeplersPeriodOfACircularOrbitIsTwoPiRootOfRCubedOverMu) {
    for (const double r : {earthRadius + 400000.0, 26560000.0, 42164000.0}) {
        const double energy =
            specificEnergy(Position(0.0, r), Velocity(std::sqrt(earthMu / r), 0.0));
        EXPECT_NEAR(keplerPeriod(energy), twoPi * std::sqrt(r * r * r / earthMu), 1e-9 * r);
    }
}

TEST_F(Accuracy, VerletKeepsTheEnergyAndEachMethodShowsItsOrder) {
    // The energy swings within each turn, most for the Crew Dragon, whose perigee is lowest, but
    // the swing does not grow: averaged over a turn, it is the same after a hundred orbits.
    for (const SatelliteKind& kind : satelliteKinds()) {
        SoloFlight flight(kind, Method::verlet, timeStep);
        const double start = specificEnergy(flight.getPosition(), flight.getVelocity());
        const auto turn = static_cast<long long>(keplerPeriod(start) / timeStep);
        double firstTurn = 0.0;
        double lastTurn = 0.0;
        double widest = 0.0;
        for (long long i = 0; i < 100 * turn; ++i) {
            flight.step();
            const double swing =
                specificEnergy(flight.getPosition(), flight.getVelocity()) / start - 1.0;
            firstTurn += i < turn ? swing : 0.0;
            lastTurn += i >= 99 * turn ? swing : 0.0;
            widest = std::max(widest, std::fabs(swing));
        }
        EXPECT_NEAR(lastTurn, firstTurn, 1e-6 * static_cast<double>(turn)) << kind.name;
        EXPECT_LT(widest, 3e-4) << kind.name;
    }

    // Halving the step halves a first-order error and quarters a second-order one.
    for (const SatelliteKind& kind : satelliteKinds()) {
        for (double step = timeStep; step > timeStep / 8.0; step /= 2.0) {
            const double game = periodErrorPct(kind, Method::corvexa, step) /
                                periodErrorPct(kind, Method::corvexa, step / 2.0);
            const double verlet = periodErrorPct(kind, Method::verlet, step) /
                                  periodErrorPct(kind, Method::verlet, step / 2.0);
            EXPECT_NEAR(game, 2.0, 0.15) << kind.name << " at " << step << " s";
            EXPECT_NEAR(verlet, 4.0, 0.2) << kind.name << " at " << step << " s";
        }
    }
}

TEST_F(Accuracy, TheGameStepAtFortyEightSecondsGivesTheTableOfTheReadme) {
    struct Row {
        double periodErrorPct;
        double energyGainPct;
    };
    constexpr Row table[] = {
        {1.81, 1.83}, {1.62, 2.09}, {3.34, 4.16}, {8.84, 9.94}, {17.30, 17.07}};
    for (std::size_t i = 0; i < satelliteKinds().size(); ++i) {
        SoloFlight flight(satelliteKinds()[i], Method::corvexa, timeStep);
        const OrbitMeasure orbit = measureOrbit(flight);
        EXPECT_NEAR(orbit.periodErrorPct, table[i].periodErrorPct, 0.005)
            << satelliteKinds()[i].name;
        EXPECT_NEAR(orbit.energyGainPct, table[i].energyGainPct, 0.005) << satelliteKinds()[i].name;
        EXPECT_LT(std::fabs(periodErrorPct(satelliteKinds()[i], Method::verlet, timeStep)), 0.06)
            << satelliteKinds()[i].name;
    }

    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(headlessMain({"--accuracy"}, in, out, err), 0);
    const std::string report = out.str();
    EXPECT_EQ(report.rfind("satellite,method,step_s,kepler_period_s,period_s,period_error_pct,"
                           "energy_gain_per_orbit_pct\n"
                           "Sputnik,corvexa,48,121729.5,123933.5,1.810594,1.826058\n",
                           0),
              0U);
    // A header, then five kinds by two methods by four steps.
    EXPECT_EQ(std::count(report.begin(), report.end(), '\n'), 41);
}
