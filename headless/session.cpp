#include "headless/session.h"

#include "headless/accuracy.h"

#include "objects/bullet.h"
#include "objects/fragment.h"
#include "objects/part.h"
#include "physics/constants.h"
#include "platform/platform.h"

#include "graphics/graphics.h"

#include <cstdlib>
#include <utility>

HeadlessSession::Start::Start(unsigned int seed) : savedZoom(Position::getZoom()) {
    Position::setZoom(metersPerPixel);
    platform::seedRandom(seed);
    // The key state is process-wide; a session starts with nothing held, whatever ran before.
    for (const int code :
         {graphics::keyLeft, graphics::keyRight, graphics::keyUp, graphics::keyDown}) {
        WindowInterface::keyEvent(code, false);
    }
    WindowInterface::endFrameKeys();
}

HeadlessSession::Start::~Start() { Position::setZoom(savedZoom); }

HeadlessSession::HeadlessSession(unsigned int seed, KeyScript keyScript)
    : start(seed), script(std::move(keyScript)) {}

HeadlessSession::~HeadlessSession() = default;

void HeadlessSession::runFrame() {
    const auto& events = script.getEvents();
    for (; nextEvent < events.size() && events[nextEvent].frame <= frame + 1; ++nextEvent) {
        WindowInterface::keyEvent(events[nextEvent].code, events[nextEvent].pressed);
    }
    // Drawn as the window draws it, through whatever backend the program links: the ship's
    // flame draws random numbers, and the fragments made after it must get the window's.
    world.update(ui);
    WindowInterface::endFrameKeys();
    ++frame;
}

namespace {

// Life left means the object did not expire: something broke it.
template <typename T> bool brokeBeforeItsTime(const T& object) {
    return !object.isAlive() && object.getLife() > 0;
}

} // namespace

Census takeCensus(const HeadlessSession& session) {
    const Simulator& world = session.getWorld();
    Census census{};
    census.frame = session.getFrame();
    census.seconds = static_cast<double>(census.frame) * timeStep;

    for (const Satellite* pSatellite : world.getSatellites()) {
        if (pSatellite->isAlive()) {
            ++census.satellites;
            census.energy += specificEnergy(pSatellite->getPosition(), pSatellite->getVelocity());
        } else {
            ++census.breakUps;
        }
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

    census.shipAlive = world.getShip().isAlive();
    census.breakUps += census.shipAlive ? 0 : 1;
    return census;
}
