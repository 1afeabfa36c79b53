#include "simulation/population.h"

#include "objects/satellites.h"

namespace {

// Six GPS satellites 60 degrees apart on one orbit; the first takes the kind's own defaults.
struct GpsStart {
    double x;
    double y;
    double dx;
    double dy;
};
constexpr GpsStart gpsStarts[5] = {
    // x (m)        y (m)        dx (m/s)  dy (m/s)
    {23001634.72, 13280000.0, -1940.0, 3360.18},
    {23001634.72, -13280000.0, 1940.0, 3360.18},
    {0.0, -26560000.0, 3880.0, 0.0},
    {-23001634.72, -13280000.0, 1940.0, -3360.18},
    {-23001634.72, 13280000.0, -1940.0, -3360.18},
};

} // namespace

Population builtPopulation() {
    Population population;
    auto& objects = population.objects;
    objects.push_back(std::make_unique<SatelliteSputnik>());
    objects.push_back(std::make_unique<SatelliteHubble>());
    objects.push_back(std::make_unique<SatelliteGPS>());
    for (const GpsStart& start : gpsStarts) {
        objects.push_back(std::make_unique<SatelliteGPS>(Position(start.x, start.y),
                                                         Velocity(start.dx, start.dy)));
    }
    objects.push_back(std::make_unique<SatelliteStarlink>());
    objects.push_back(std::make_unique<SatelliteCrewDragon>());
    population.ship = Ship::builtStart();
    return population;
}
