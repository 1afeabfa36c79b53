#pragma once

#include "session/input.h"
#include "session/keyScript.h"
#include "session/replay.h"
#include "headless/session.h"

#include <iosfwd>
#include <string>
#include <vector>

// What the command line asks for.
struct Options {
    static constexpr long long defaultFrames = 10000;
    // The C library's own seed when srand is never called.
    static constexpr unsigned int defaultSeed = 1;

    long long frames = defaultFrames;
    long long maxFrames = defaultMaxFrames;
    unsigned int seed = defaultSeed;
    std::string keysPath;  // empty: no keys; "-": standard input
    std::string scenePath; // empty: the world as built, or the scene of a replay played
    long long every = 1;
    bool finalOnly = false;
    bool accuracy = false;      // the step's accuracy table instead of a run
    bool accuracyOrbit = false; // one orbit's points under each method instead of a run
    std::string verifyPath;     // a replay to verify instead of a run
    std::string saveReplayPath; // where to write the run as a replay
    bool seedGiven = false;
    bool help = false;
    bool version = false;
};

// The arguments after the program name. Throws InputError.
Options parseOptions(const std::vector<std::string>& arguments);

// What --help prints: every option with its help, from the same declarations.
std::string usage();

void writeCsvHeader(std::ostream& out);
void writeCsvRow(std::ostream& out, const Census& census);

// Runs the frames, replaying the script, and writes the CSV: the world as built (frame 0),
// then every options.every frames and always the last, or only the last with finalOnly.
// With replayOut, the run is also written there as a replay; what failed in writing it is
// returned, empty when nothing did. Throws WriteError when out fails. With a scene, the world
// is the scene's.
std::string runHeadless(const Options& options, const KeyScript& script, std::ostream& out,
                        std::ostream* replayOut = nullptr,
                        const std::vector<Replay::Rebuild>& rebuilds = {},
                        const Scene* scene = nullptr);

// Plays a replay to its end, or to that frame if it comes first, and checks the world against
// it: 0 when it matches, 1 when it differs, with the verdict on out.
int verifyReplay(const Replay& replay, std::ostream& out, long long frames = maxFrames);

// The whole program: 0 on success or help, 1 for a replay that differs, 2 on bad input (with a
// message on err).
int headlessMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err);
