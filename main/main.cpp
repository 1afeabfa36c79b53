#include "physics/constants.h"
#include "physics/position.h"
#include "selfcheck/runSelfChecks.h"
#include "simulation/simulator.h"
#include "window/uiInteract.h"

namespace {

void frameCallback(WindowInterface* pUI, void* userData) {
    static_cast<Simulator*>(userData)->update(*pUI);
}

} // namespace

int main(int argc, char** argv) {
    runSelfChecks();
    if (isSelfCheckOnly(argc, argv)) {
        return 0;
    }

    // The scale comes first: the window size and the ship's start are given in pixels.
    Position ptUpperRight;
    ptUpperRight.setZoom(runningZoom);
    ptUpperRight.setPixelsX(windowWidth);
    ptUpperRight.setPixelsY(windowHeight);

    WindowInterface ui(argc, argv, windowTitle, ptUpperRight);
    Simulator simulator{};
    ui.run(frameCallback, &simulator);
    return 0;
}
