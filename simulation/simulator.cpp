#include "simulation/simulator.h"

#include "physics/constants.h"
#include "ui/uiDraw.h"

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

SatelliteGPS makeGps(const GpsStart& start) {
    return SatelliteGPS(Position(start.x, start.y), Velocity(start.dx, start.dy));
}

} // namespace

Simulator::Simulator()
    : gps{SatelliteGPS(),        makeGps(gpsStarts[0]), makeGps(gpsStarts[1]),
          makeGps(gpsStarts[2]), makeGps(gpsStarts[3]), makeGps(gpsStarts[4])},
      satellites{&sputnik, &hubble, &gps[0], &gps[1],   &gps[2],
                 &gps[3],  &gps[4], &gps[5], &starlink, &crewDragon} {}

Simulator::~Simulator() {
    for (Satellite* pSatellite : dynamicObjects) {
        delete pSatellite;
    }
}

void Simulator::update(const WindowInterface& ui) {
    handleInput(ui);
    advance();
    draw();
}

void Simulator::handleInput(const WindowInterface& ui) {
    // Cleared every frame, so the flame shows only while the thrust key is held.
    ship.coast();
    if (ui.getHeldLeft() != 0) {
        ship.rotateLeft();
    }
    if (ui.getHeldRight() != 0) {
        ship.rotateRight();
    }
    if (ui.getHeldDown() != 0) {
        ship.thrust(timeStep);
    }
    if (ui.isSpacePressed()) {
        addObject(ship.fire());
    }
}

void Simulator::advance() {
    advancePopulation(timeStep);
    ship.advance(timeStep);
    checkCollisions(&ship);
}

void Simulator::draw() const {
    ogstream gout;
    const Position earth;
    gout.drawEarth(earth, 0.0);
    drawPopulation();
    ship.draw();
}

void Simulator::advancePopulation(double seconds) {
    for (Satellite* pSatellite : satellites) {
        if (pSatellite->isAlive()) {
            pSatellite->advance(seconds);
        }
    }
    std::size_t kept = 0;
    for (Satellite* pSatellite : liveObjects) {
        if (pSatellite->isAlive()) {
            pSatellite->advance(seconds);
            liveObjects[kept++] = pSatellite;
        }
    }
    liveObjects.resize(kept);
}

void Simulator::drawPopulation() const {
    for (const Satellite* pSatellite : satellites) {
        if (pSatellite->isAlive()) {
            pSatellite->draw();
        }
    }
    for (const Satellite* pSatellite : liveObjects) {
        if (pSatellite->isAlive()) {
            pSatellite->draw();
        }
    }
}

void Simulator::checkCollisions(Satellite* extra) {
    std::vector<Satellite*> objects;
    objects.reserve(satellites.size() + liveObjects.size() + 1);
    objects.insert(objects.end(), satellites.begin(), satellites.end());
    objects.insert(objects.end(), liveObjects.begin(), liveObjects.end());
    if (extra != nullptr) {
        objects.push_back(extra);
    }

    SatelliteList newDebris;
    collisionPass.run(objects, newDebris);

    // What broke up here leaves liveObjects in the next walk of advancePopulation.
    dynamicObjects.insert(dynamicObjects.end(), newDebris.begin(), newDebris.end());
    liveObjects.insert(liveObjects.end(), newDebris.begin(), newDebris.end());
}

void Simulator::addObject(Satellite* pSatellite) {
    dynamicObjects.push_back(pSatellite);
    liveObjects.push_back(pSatellite);
}
