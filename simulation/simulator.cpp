#include "simulation/simulator.h"

#include "physics/constants.h"
#include "ui/uiDraw.h"

#include <utility>

Simulator::Simulator() : Simulator(builtPopulation()) {}

Simulator::Simulator(Population population)
    : placedObjects(std::move(population.objects)), ship(population.ship.value_or(ShipStart{})),
      shipAboard(population.ship.has_value()) {
    satellites.reserve(placedObjects.size());
    for (const auto& pObject : placedObjects) {
        satellites.push_back(pObject.get());
    }
    if (!shipAboard) {
        SatelliteList noDebris;
        ship.destroy(noDebris);
    }
}

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

void Simulator::updateUnseen(const WindowInterface& ui) {
    handleInput(ui);
    advance();
    ship.draw();
}

void Simulator::handleInput(const WindowInterface& ui) {
    if (!shipAboard) {
        return;
    }
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
    checkCollisions(shipAboard ? &ship : nullptr);
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
