#include "session/census.h"

#include "objects/bullet.h"
#include "objects/fragment.h"
#include "objects/part.h"
#include "physics/constants.h"
#include "physics/orbit.h"
#include "simulation/simulator.h"

#include <cstring>

namespace {

// Life left means the object did not expire: something broke it.
template <typename T> bool brokeBeforeItsTime(const T& object) {
    return !object.isAlive() && object.getLife() > 0;
}

class Digest {
public:
    void add(std::uint64_t word) {
        for (int i = 0; i < 8; ++i) {
            value = (value ^ ((word >> (8 * i)) & 0xFFU)) * 0x100000001B3ULL;
        }
    }
    void add(double number) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &number, sizeof bits);
        add(bits);
    }
    void add(const Satellite& object) {
        add(static_cast<std::uint64_t>(object.isAlive() ? 1 : 0));
        add(object.getPosition().getMetersX());
        add(object.getPosition().getMetersY());
        add(object.getVelocity().getDX());
        add(object.getVelocity().getDY());
    }
    std::uint64_t get() const { return value; }

private:
    std::uint64_t value = 0xCBF29CE484222325ULL;
};

} // namespace

Census takeCensus(const Simulator& world, long long frame, bool withDigest) {
    Census census{};
    census.frame = frame;
    census.seconds = static_cast<double>(census.frame) * timeStep;

    // A scene may start with parts of its own among its satellites.
    for (const Satellite* pSatellite : world.getSatellites()) {
        const bool alive = pSatellite->isAlive();
        if (dynamic_cast<const Part*>(pSatellite) != nullptr) {
            census.parts += alive ? 1 : 0;
        } else if (alive) {
            ++census.satellites;
            census.energy += specificEnergy(pSatellite->getPosition(), pSatellite->getVelocity());
        }
        census.breakUps += alive ? 0 : 1;
    }

    const auto& objects = world.getDynamicObjects();
    census.created = static_cast<long long>(objects.size());
    for (const Satellite* pObject : objects) {
        const bool alive = pObject->isAlive();
        if (const auto* pFragment = dynamic_cast<const Fragment*>(pObject)) {
            census.fragments += alive ? 1 : 0;
            census.breakUps += brokeBeforeItsTime(*pFragment) ? 1 : 0;
        } else if (const auto* pBullet = dynamic_cast<const Bullet*>(pObject)) {
            census.bullets += alive ? 1 : 0;
            census.breakUps += brokeBeforeItsTime(*pBullet) ? 1 : 0;
        } else if (dynamic_cast<const Part*>(pObject) != nullptr) {
            census.parts += alive ? 1 : 0;
            census.breakUps += alive ? 0 : 1;
        }
    }

    census.shipAlive = world.hasShip() && world.getShip().isAlive();
    census.breakUps += world.hasShip() && !census.shipAlive ? 1 : 0;
    if (!withDigest) {
        return census;
    }
    Digest digest;
    for (const Satellite* pSatellite : world.getSatellites()) {
        digest.add(*pSatellite);
    }
    if (world.hasShip()) {
        digest.add(world.getShip());
    }
    digest.add(static_cast<std::uint64_t>(objects.size()));
    for (const Satellite* pObject : objects) {
        digest.add(*pObject);
    }
    census.worldDigest = digest.get();
    return census;
}
