// The page's world crowded with 1 000 live debris objects on sixteen rings, which survive their
// break-ups, for the frame rate of a busy picture in the browser (bench/web/fps.js).

#include "platform/platform.h"
#include "bench/scenes.h"

#include "physics/constants.h"
#include "simulation/simulator.h"
#include "support/runningWindow.h"
#include "window/uiInteract.h"

#include <cstdlib>

namespace {

constexpr std::size_t debris = 1000;

} // namespace

int main(int argc, char** argv) {
    WindowInterface ui(argc, argv, windowTitle, runningUpperRight());
    platform::seedRandom(1);

    // Static: the page keeps the world after main has handed the thread to the browser.
    static Simulator world;
    for (auto& pMote : makeRings(debris, 7, true)) {
        world.addObject(pMote.release());
    }
    ui.run(updateWorld, &world);
    return 0;
}
