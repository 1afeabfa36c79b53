#pragma once

#include "physics/constants.h"
#include "physics/position.h"
#include "window/keys.h"

#include <cstdint>

// The window, the keyboard state and the frame loop. All state is process-wide, so a
// temporary object made inside a toolkit callback sees the same window as the one that
// opened it.
class WindowInterface {
public:
    using Callback = void (*)(WindowInterface* pUI, void* userData);

    // No set-up: for use inside the toolkit callbacks.
    WindowInterface() = default;
    WindowInterface(int argc, char** argv, const char* title, const Position& ptUpperRight) {
        initialize(argc, argv, title, ptUpperRight);
    }

    // Sets up the toolkit and opens the window, at most once per process.
    void initialize(int argc, char** argv, const char* title, const Position& ptUpperRight);

    // Registers the frame callback and its data, then hands the thread to the toolkit.
    void run(Callback callback, void* data);

    // Frames begun since the key was pressed (1 in the first); 0 when it is not held.
    int getHeldDown() const { return heldDown; }
    int getHeldUp() const { return heldUp; }
    int getHeldLeft() const { return heldLeft; }
    int getHeldRight() const { return heldRight; }
    bool isSpacePressed() const { return spacePressed; }

    // The single place where key state changes.
    static void keyEvent(int code, bool pressed);
    // A key from the keyboard, as the toolkit's callbacks deliver it: heard by the listener,
    // then handed to keyEvent, unless the keyboard is ignored.
    static void keyFromKeyboard(int code, bool pressed);
    using KeyListener = void (*)(int code, bool pressed, void* data);
    static void listenToKeys(KeyListener listener, void* data);
    // The explore modes' commands (window/keys.h): the listener hears each key that gives one
    // and says whether it took it; a key it leaves goes on as a game key. Without a listener,
    // as in plain play, those keys do nothing.
    using CommandListener = bool (*)(Command command, void* data);
    static void listenToCommands(CommandListener listener, void* data);
    // A command from the keyboard: whether the listener took it.
    static bool commandFromKeyboard(Command command);
    // While a replay plays, the keyboard changes nothing; closing the window still works.
    static void ignoreKeyboard(bool ignore) { keyboardIgnored = ignore; }
    // The seed the window gave the random numbers when it opened.
    static unsigned int getSeed() { return seed; }
    // Lets go of every key: nothing held, no shot pending.
    static void releaseAll();
    static void endFrameKeys();
    static bool frameDue();
    static void scheduleNextFrame();

    // One full frame; the toolkit's display and idle function.
    static void displayFrame();
    // What a frame does before its callback: a clear picture, drawing in white. A callback
    // that runs several world frames starts each after the first with it.
    static void beginFrame();
    // The frame being drawn ran no world frame: the held keys are not aged at its end.
    static void holdKeysThisFrame() { keysHeld = true; }

protected:
    static inline bool initialized = false;
    static inline Callback callBack = nullptr;
    static inline void* userData = nullptr;
    static inline std::uint32_t nextFrameTick = 0;
    static inline std::int32_t heldDown = 0;
    static inline std::int32_t heldUp = 0;
    static inline std::int32_t heldLeft = 0;
    static inline std::int32_t heldRight = 0;
    static inline bool spacePressed = false;
    static inline double framePeriod = ::framePeriod; // seconds
    static inline KeyListener keyListener = nullptr;
    static inline void* keyListenerData = nullptr;
    static inline bool keyboardIgnored = false;
    static inline unsigned int seed = 1;
    static inline CommandListener commandListener = nullptr;
    static inline void* commandListenerData = nullptr;
    static inline bool keysHeld = false;
};
