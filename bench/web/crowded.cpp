// The page's world crowded with live debris on sixteen rings, which survive their break-ups, for
// the frame rate of a busy picture in the browser (bench/web/fps.js): 1 000 objects, or as many
// as the page's address asks for, bench/?debris=10000.

#include "platform/platform.h"
#include "bench/scenes.h"

#include "physics/constants.h"
#include "simulation/simulator.h"
#include "support/runningWindow.h"
#include "window/uiInteract.h"

#include <emscripten/emscripten.h>

#include <cstddef>

namespace {

constexpr int defaultDebris = 1000;

std::size_t debrisAsked() {
    const int asked =
        emscripten_run_script_int("Number(new URLSearchParams(location.search).get('debris'))");
    return static_cast<std::size_t>(asked > 0 ? asked : defaultDebris);
}

} // namespace

int main(int argc, char** argv) {
    WindowInterface ui(argc, argv, windowTitle, runningUpperRight());
    platform::seedRandom(1);

    // Static: the page keeps the world after main has handed the thread to the browser.
    static Simulator world;
    for (auto& pMote : makeRings(debrisAsked(), 7, true)) {
        world.addObject(pMote.release());
    }
    ui.run(updateWorld, &world);
    return 0;
}
