#include "headless/accuracy.h"

#include "objects/satellites.h"
#include "physics/constants.h"
#include "physics/gravity.h"
#include "physics/orbit.h"

#include <cmath>
#include <cstdio>
#include <ostream>

namespace {

template <typename T> std::unique_ptr<Satellite> make() { return std::make_unique<T>(); }

// The game's step, then halved three times: enough to show the order of each method.
constexpr double stepsSeconds[] = {timeStep, timeStep / 2.0, timeStep / 4.0, timeStep / 8.0};

constexpr int ellipsePoints = 360;

// Verlet's energy after a turn can end a hair below the start; printed, that reads 0, not -0.
double belowLastDigitAsZero(double percent) { return std::fabs(percent) < 5e-7 ? 0.0 : percent; }

double energyOf(const SoloFlight& flight) {
    return specificEnergy(flight.getPosition(), flight.getVelocity());
}

} // namespace

const char* methodName(Method method) { return method == Method::corvexa ? "corvexa" : "verlet"; }

const std::vector<SatelliteKind>& satelliteKinds() {
    static const std::vector<SatelliteKind> kinds = {
        {"Sputnik", make<SatelliteSputnik>},
        {"Hubble", make<SatelliteHubble>},
        {"GPS", make<SatelliteGPS>},
        {"Starlink", make<SatelliteStarlink>},
        {"Crew Dragon", make<SatelliteCrewDragon>},
    };
    return kinds;
}

SoloFlight::SoloFlight(const SatelliteKind& kind, Method flightMethod, double seconds)
    : satellite(kind.make()), method(flightMethod), stepSeconds(seconds),
      position(satellite->getPosition()), velocity(satellite->getVelocity()) {}

void SoloFlight::step() {
    if (method == Method::corvexa) {
        satellite->advance(stepSeconds);
        return;
    }
    const Gravity gravity;
    velocity.addAcceleration(gravity.getAcceleration(position), stepSeconds / 2.0);
    position.addMetersX(velocity.getDX() * stepSeconds);
    position.addMetersY(velocity.getDY() * stepSeconds);
    velocity.addAcceleration(gravity.getAcceleration(position), stepSeconds / 2.0);
}

const Position& SoloFlight::getPosition() const {
    return method == Method::corvexa ? satellite->getPosition() : position;
}

const Velocity& SoloFlight::getVelocity() const {
    return method == Method::corvexa ? satellite->getVelocity() : velocity;
}

OrbitMeasure measureOrbit(SoloFlight& flight, bool keepPath) {
    OrbitMeasure measure{};
    const double startEnergy = energyOf(flight);
    measure.keplerPeriod = keplerPeriod(startEnergy);

    double swept = 0.0;
    double sweptBefore = 0.0;
    double energyBefore = startEnergy;
    double energy = startEnergy;
    Position before = flight.getPosition();
    if (keepPath) {
        measure.path.push_back(before);
    }
    while (swept < twoPi) {
        flight.step();
        ++measure.steps;
        const Position& now = flight.getPosition();
        if (keepPath) {
            measure.path.push_back(now);
        }
        sweptBefore = swept;
        swept += sweptAngle(before, now);
        energyBefore = energy;
        energy = energyOf(flight);
        before = now;
    }

    const double fraction = (twoPi - sweptBefore) / (swept - sweptBefore);
    const double step = flight.getStepSeconds();
    measure.period = (static_cast<double>(measure.steps - 1) + fraction) * step;
    measure.periodErrorPct = (measure.period / measure.keplerPeriod - 1.0) * 100.0;
    const double endEnergy = energyBefore + fraction * (energy - energyBefore);
    measure.energyGainPct = (endEnergy - startEnergy) / std::fabs(startEnergy) * 100.0;
    measure.end = flight.getPosition();
    return measure;
}

void writeAccuracy(std::ostream& out) {
    out << "satellite,method,step_s,kepler_period_s,period_s,period_error_pct,"
           "energy_gain_per_orbit_pct\n";
    for (const SatelliteKind& kind : satelliteKinds()) {
        for (const Method method : {Method::corvexa, Method::verlet}) {
            for (const double step : stepsSeconds) {
                SoloFlight flight(kind, method, step);
                const OrbitMeasure measure = measureOrbit(flight);
                // Fixed formats in the C locale, so the table reads the same on every machine.
                char row[256];
                std::snprintf(row, sizeof row, "%s,%s,%.0f,%.1f,%.1f,%.6f,%.6f\n", kind.name,
                              methodName(method), step, measure.keplerPeriod, measure.period,
                              belowLastDigitAsZero(measure.periodErrorPct),
                              belowLastDigitAsZero(measure.energyGainPct));
                out << row;
            }
        }
    }
}

void writeAccuracyOrbit(std::ostream& out) {
    const SatelliteKind& kind = satelliteKinds().back();
    out << "method,x_m,y_m\n";
    char row[128];
    for (const Method method : {Method::corvexa, Method::verlet}) {
        SoloFlight flight(kind, method, timeStep);
        for (const Position& point : measureOrbit(flight, true).path) {
            std::snprintf(row, sizeof row, "%s,%.0f,%.0f\n", methodName(method), point.getMetersX(),
                          point.getMetersY());
            out << row;
        }
    }

    // The conic of the starting state.
    const auto start = kind.make();
    const Conic conic = conicOf(start->getPosition(), start->getVelocity());
    for (int i = 0; i <= ellipsePoints; ++i) {
        const double nu = twoPi * i / ellipsePoints;
        const double radius = conic.semiLatusRectum / (1.0 + conic.eccentricity * std::cos(nu));
        std::snprintf(row, sizeof row, "kepler,%.0f,%.0f\n",
                      radius * std::cos(conic.periapsisAngle + nu),
                      radius * std::sin(conic.periapsisAngle + nu));
        out << row;
    }
}
