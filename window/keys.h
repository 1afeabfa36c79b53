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

// The explore modes' commands, once: the key that gives each, as the window's help and the page
// name it. Plain play ignores them all.
enum class Command {
    pause,
    step,
    slower,
    faster,
    figures,
    trails,
    newWorld,
    toStart,
    back,
    forward
};

struct CommandBinding {
    Command command;
    unsigned char letter; // 0: a special key gives it
    int special;
    const char* key; // as a person names it
    const char* what;
};

inline constexpr CommandBinding commandBindings[] = {
    {Command::pause, 'p', 0, "P", "pause and resume"},
    {Command::step, '.', 0, ".", "one frame forward while paused"},
    {Command::slower, '-', 0, "-", "slower"},
    {Command::faster, '+', 0, "+", "faster"},
    {Command::faster, '=', 0, "=", "faster"},
    {Command::figures, 'h', 0, "H", "show or hide the figures"},
    {Command::trails, 't', 0, "T", "show or hide the orbit trails"},
    {Command::newWorld, 'r', 0, "R", "a new world, with a new seed"},
    {Command::toStart, 0, graphics::keyHome, "Home", "replays: back to the start"},
    {Command::back, 0, graphics::keyPageUp, "Page Up", "replays: 1000 frames back"},
    {Command::forward, 0, graphics::keyPageDown, "Page Down", "replays: 1000 frames forward"},
};

// The command a letter or special key gives; null for none.
const CommandBinding* commandOfLetter(unsigned char letter);
const CommandBinding* commandOfSpecial(int special);
