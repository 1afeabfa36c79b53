#pragma once

// The window and the frame callback as the program sets them up, for the runs that stand in
// for it: the soak test, the fuzzer and the benchmarks that drive whole frames.

#include "physics/constants.h"
#include "physics/position.h"
#include "simulation/simulator.h"
#include "window/uiInteract.h"

// The window's upper-right corner at the running scale. It sets the scale first, as the
// program does, since the size is given in pixels.
inline Position runningUpperRight() {
    Position ptUpperRight;
    ptUpperRight.setZoom(runningZoom);
    ptUpperRight.setPixelsX(windowWidth);
    ptUpperRight.setPixelsY(windowHeight);
    return ptUpperRight;
}

// The program's frame callback: the user data is the world.
inline void updateWorld(WindowInterface* pUI, void* userData) {
    static_cast<Simulator*>(userData)->update(*pUI);
}
