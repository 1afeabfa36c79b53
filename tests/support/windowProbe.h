#pragma once

#include "window/uiInteract.h"

#include <cstdint>

// Opens the window's process-wide state to the tests, which start every case from the values
// the program starts with.
struct WindowProbe : WindowInterface {
    static void reset() {
        initialized = false;
        callBack = nullptr;
        userData = nullptr;
        nextFrameTick = 0;
        heldDown = 0;
        heldUp = 0;
        heldLeft = 0;
        heldRight = 0;
        spacePressed = false;
        framePeriod = 1.0 / 30.0;
        keyListener = nullptr;
        keyListenerData = nullptr;
        keyboardIgnored = false;
        seed = 1;
        commandListener = nullptr;
        commandListenerData = nullptr;
        keysHeld = false;
    }
    static bool isInitialized() { return initialized; }
    static std::uint32_t getNextFrameTick() { return nextFrameTick; }
    static void setNextFrameTick(std::uint32_t tick) { nextFrameTick = tick; }
    static void setFramePeriod(double seconds) { framePeriod = seconds; }
    static void setCallback(Callback callback, void* data) {
        callBack = callback;
        userData = data;
    }
};
