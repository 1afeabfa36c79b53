#pragma once

#include "session/input.h"

#include <string>
#include <vector>

// What the window program's command line asks for. Arguments that are not its own go to the
// window toolkit, as they always have (-geometry, --TEST, --tests).
struct WindowOptions {
    enum class Mode { play, record, replay, help, version };
    Mode mode = Mode::play;
    std::string path;      // the replay to write or to read
    std::string scenePath; // empty: the world as built, or the scene a replay carries
    bool explore = false;
    long long maxFrames = defaultMaxFrames;
    std::vector<std::string> toolkitArguments; // the program's name first
};

// Throws InputError. "--test" as the first argument is the caller's to check first.
WindowOptions parseWindowOptions(int argc, char** argv);

// What --help prints, from the same declarations.
std::string windowUsage();
