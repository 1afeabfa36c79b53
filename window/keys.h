#pragma once

#include "graphics/graphics.h"

#include <string>

// The program's keys, once: the code that WindowInterface::keyEvent takes for each, the name
// key scripts and replays give it, and the letter that stands for it in the window (W is the
// down arrow). The window, the page and the key-script parser all translate through it.
struct KeyBinding {
    const char* name;
    int code;
    unsigned char letter;  // 0: no letter stands for it
    bool releaseIsIgnored; // the space bar's release: only the end of a frame clears a shot
};

inline constexpr int keySpace = ' ';

inline constexpr KeyBinding keyBindings[] = {
    {"left", graphics::keyLeft, 'a', false}, {"right", graphics::keyRight, 'd', false},
    {"up", graphics::keyUp, 's', false},     {"down", graphics::keyDown, 'w', false},
    {"space", keySpace, ' ', true},          {"home", graphics::keyHome, 0, false},
};

// The binding of a code; null for a key the program does not use.
const KeyBinding* bindingOfCode(int code);
// The binding of a letter typed in the window, either case; null for any other letter.
const KeyBinding* bindingOfLetter(unsigned char letter);
// The binding of a script's name (left, a, ...), either case; null for an unknown name.
const KeyBinding* bindingOfName(const std::string& name);
// "left right up down space home a d s w": every name a script may use.
std::string keyNames();
