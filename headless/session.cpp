#include "headless/session.h"

#include "physics/constants.h"
#include "platform/platform.h"

#include <cstdlib>
#include <utility>

HeadlessSession::Start::Start(unsigned int seed) : savedZoom(Position::getZoom()) {
    Position::setZoom(runningZoom);
    platform::seedRandom(seed);
    // The key state is process-wide; a session starts with nothing held, whatever ran before.
    WindowInterface::releaseAll();
}

HeadlessSession::Start::~Start() { Position::setZoom(savedZoom); }

HeadlessSession::HeadlessSession(unsigned int seed, KeyScript keyScript,
                                 std::vector<Replay::Rebuild> newWorlds, const Scene* played)
    : start(seed), scene(played), world(newWorld()), script(std::move(keyScript)),
      rebuilds(std::move(newWorlds)) {}

std::unique_ptr<Simulator> HeadlessSession::newWorld() const {
    return std::make_unique<Simulator>(scene != nullptr ? scene->populate() : builtPopulation());
}

HeadlessSession::~HeadlessSession() = default;

void HeadlessSession::runFrame() {
    for (; nextRebuild < rebuilds.size() && rebuilds[nextRebuild].frame <= frame; ++nextRebuild) {
        world.reset();
        platform::seedRandom(rebuilds[nextRebuild].seed);
        world = newWorld();
    }
    cursor.deliverUpTo(frame + 1, [](const KeyEvent& event) {
        WindowInterface::keyEvent(event.code, event.pressed);
    });
    // Nobody sees these frames; drawing a crowded scene's every sprite would cost more than
    // moving it.
    world->updateUnseen(ui);
    WindowInterface::endFrameKeys();
    ++frame;
}
