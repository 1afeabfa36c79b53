#include "window/uiInteract.h"

#include "physics/constants.h"
#include "platform/platform.h"
#include "window/keys.h"

#include "graphics/graphics.h"

#include <cassert>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace {

// A letter acts as the key it stands for; a key of a command goes to whoever listens for
// commands; any other key is ignored.
void asciiKeyDown(unsigned char key, int /*x*/, int /*y*/) {
    if (const KeyBinding* pBinding = bindingOfLetter(key)) {
        WindowInterface::keyFromKeyboard(pBinding->code, true);
    } else if (const CommandBinding* pCommand = commandOfLetter(key)) {
        WindowInterface::commandFromKeyboard(pCommand->command);
    }
}

void asciiKeyUp(unsigned char key, int /*x*/, int /*y*/) {
    const KeyBinding* pBinding = bindingOfLetter(key);
    if (pBinding != nullptr && !pBinding->releaseIsIgnored) {
        WindowInterface::keyFromKeyboard(pBinding->code, false);
    }
}

void specialKeyDown(int key, int /*x*/, int /*y*/) {
    const CommandBinding* pCommand = commandOfSpecial(key);
    if (pCommand == nullptr || !WindowInterface::commandFromKeyboard(pCommand->command)) {
        WindowInterface::keyFromKeyboard(key, true);
    }
}

void specialKeyUp(int key, int /*x*/, int /*y*/) { WindowInterface::keyFromKeyboard(key, false); }

} // namespace

void WindowInterface::initialize(int argc, char** argv, const char* title,
                                 const Position& ptUpperRight) {
    if (initialized) {
        return;
    }
    seed = static_cast<unsigned int>(std::time(nullptr));
    platform::seedRandom(seed);

    int argcCopy = argc;
    graphics::init(&argcCopy, argv);

    const int width = static_cast<int>(ptUpperRight.getPixelsX());
    const int height = static_cast<int>(ptUpperRight.getPixelsY());
    graphics::initWindowSize(width, height);
    graphics::initWindowPosition(0, 0);
    graphics::initDisplayMode(graphics::displayDouble);
    graphics::createWindow(title);
    graphics::ignoreKeyRepeat(1);
    graphics::clearColor(0, 0, 0, 0);
    // The halves are whole pixels, truncated, before they become doubles.
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    graphics::ortho2D(-halfWidth, halfWidth, -halfHeight, halfHeight);

    graphics::displayFunc(displayFrame);
    graphics::idleFunc(displayFrame);
    graphics::keyboardFunc(asciiKeyDown);
    graphics::keyboardUpFunc(asciiKeyUp);
    graphics::specialFunc(specialKeyDown);
    graphics::specialUpFunc(specialKeyUp);

    // Closing the window returns from the loop instead of ending the process, so the caller
    // can destroy the world it handed over.
    graphics::setOption(graphics::actionOnWindowClose, graphics::actionMainLoopReturns);

    initialized = true;
}

void WindowInterface::run(Callback callback, void* data) {
    userData = data;
    callBack = callback;
    graphics::mainLoop();
}

void WindowInterface::keyEvent(int code, bool pressed) {
    switch (code) {
    case keySpace:
    case graphics::keyHome:
        spacePressed = pressed;
        break;
    case graphics::keyLeft:
        heldLeft = pressed ? 1 : 0;
        break;
    case graphics::keyUp:
        heldUp = pressed ? 1 : 0;
        break;
    case graphics::keyRight:
        heldRight = pressed ? 1 : 0;
        break;
    case graphics::keyDown:
        heldDown = pressed ? 1 : 0;
        break;
    default:
        break;
    }
}

void WindowInterface::keyFromKeyboard(int code, bool pressed) {
    if (keyboardIgnored) {
        return;
    }
    if (keyListener != nullptr) {
        keyListener(code, pressed, keyListenerData);
    }
    keyEvent(code, pressed);
}

bool WindowInterface::commandFromKeyboard(Command command) {
    return commandListener != nullptr && commandListener(command, commandListenerData);
}

void WindowInterface::listenToCommands(CommandListener listener, void* data) {
    commandListener = listener;
    commandListenerData = data;
}

void WindowInterface::listenToKeys(KeyListener listener, void* data) {
    keyListener = listener;
    keyListenerData = data;
}

void WindowInterface::releaseAll() {
    for (std::int32_t* counter : {&heldDown, &heldUp, &heldLeft, &heldRight}) {
        *counter = 0;
    }
    spacePressed = false;
}

void WindowInterface::endFrameKeys() {
    for (std::int32_t* counter : {&heldDown, &heldUp, &heldLeft, &heldRight}) {
        if (*counter != 0) {
            ++*counter;
        }
    }
    spacePressed = false;
}

namespace {

// Ticks from now until the tick given, negative once it has passed. The clock is 32 bits of
// milliseconds and wraps after 49.7 days: the difference taken modulo 2^32 and read as signed
// keeps a due tick just across the wrap 33 ms away, not 4.29e9.
std::int64_t ticksUntil(std::uint32_t tick) {
    const std::uint32_t ahead = tick - platform::clockTicks();
    return ahead <= 0x7FFFFFFFU ? static_cast<std::int64_t>(ahead)
                                : static_cast<std::int64_t>(ahead) - 0x100000000LL;
}

} // namespace

bool WindowInterface::frameDue() { return ticksUntil(nextFrameTick) <= 0; }

void WindowInterface::scheduleNextFrame() {
    nextFrameTick = platform::clockTicks() + static_cast<int>(framePeriod * 1000);
}

void WindowInterface::beginFrame() {
    graphics::clear(graphics::colorBufferBit);
    graphics::color3f(1.0, 1.0, 1.0);
}

void WindowInterface::displayFrame() {
    WindowInterface ui;
    beginFrame();

    assert(ui.callBack != NULL);
    callBack(&ui, userData);

    if (!frameDue()) {
        // The clock may reach the due tick between the two readings; a difference of zero
        // or less must not lengthen the wait.
        const std::int64_t remaining = ticksUntil(nextFrameTick);
        const std::int64_t wholeSeconds = remaining > 0 ? remaining / 1000 : 0;
        platform::sleepMilliseconds(earlyFrameWait + static_cast<unsigned int>(wholeSeconds));
    }
    scheduleNextFrame();
    graphics::swapBuffers();
    if (!keysHeld) {
        endFrameKeys();
    }
    keysHeld = false;
}
