#include "headless/headless.h"

#include "session/commandLine.h"
#include "session/input.h"

#include <limits>

namespace {

const char* const description =
    "Runs the Corvexa world without a window, 48 simulated seconds a frame, and writes a CSV\n"
    "report on standard output.\n";

const char* const footer =
    "Key script: a frame number and its keys on each line; # starts a comment.\n"
    "  120 space        press space before frame 120 (one shot)\n"
    "  200 +left down   hold left from frame 200 on; down is held for frame 200 only\n"
    "  260 -left        release left before frame 260\n"
    "Keys: left right up down space home, and a d s w as in the window.\n"
    "\n"
    "Columns: frame, seconds, satellites, parts, fragments, bullets, ship (1 while alive),\n"
    "created (bullets, parts and fragments made so far), breakups (objects destroyed so far),\n"
    "energy (summed specific orbital energy of the live satellites, J/kg).\n"
    "\n"
    "Accuracy columns: satellite, method (corvexa or verlet), step_s, kepler_period_s, period_s\n"
    "(the first full turn about the Earth, interpolated between steps), period_error_pct,\n"
    "energy_gain_per_orbit_pct (the energy at that moment less the starting energy, in percent\n"
    "of its size: positive when the orbit grew).\n"
    "\n"
    "Exit status: 0 on success, 1 when a verified replay differs, 2 for bad input or a failed\n"
    "write.\n";

// Every option, once: its name, value, help, range and conflicts.
void declare(CLI::App& app, Options& options, long long& seed) {
    commandLine::setUp(app, CORVEXA_VERSION);
    app.description(description);
    app.footer(footer);

    auto* frames = app.add_option("--frames", options.frames,
                                  "frames to run (default 10000); with --verify, the frames to "
                                  "check, at most the replay's own")
                       ->type_name("N")
                       ->check(commandLine::wholeNumber(0, maxFrames));
    auto* seedOption =
        app.add_option("--seed", seed, "seed of the random numbers, 0 to 4294967295 (default 1)")
            ->type_name("S")
            ->check(commandLine::wholeNumber(0, std::numeric_limits<unsigned int>::max()));
    auto* keys = commandLine::addFile(app, "--keys", options.keysPath,
                                      "key script or replay to play; - reads it from standard "
                                      "input (default: no keys); a replay brings its seed, "
                                      "unless --seed is given",
                                      true);
    auto* scene = commandLine::addFile(app, "--scene", options.scenePath,
                                       "run the world the scene FILE poses instead of the world "
                                       "as built; a replay played with --keys brings its scene, "
                                       "unless --scene is given");
    auto* every = app.add_option("--every", options.every,
                                 "a row every K frames and for the last frame (default 1)")
                      ->type_name("K")
                      ->check(commandLine::wholeNumber(1, maxFrames));
    auto* finalOnly = app.add_flag("--final", options.finalOnly, "only the last frame's row");
    auto* save = commandLine::addFile(app, "--save-replay", options.saveReplayPath,
                                      "also write the run as a replay, to watch it with corvexa "
                                      "--replay FILE");
    auto* verify = commandLine::addFile(app, "--verify", options.verifyPath,
                                        "play a replay to its end and check the world at each of "
                                        "its checks: exit status 0 when it matches, 1 when it "
                                        "differs, 2 for a file that is not a replay");
    commandLine::addMaxFrames(app, options.maxFrames);
    auto* accuracy = app.add_flag("--accuracy", options.accuracy,
                                  "instead of a run, each satellite kind flown alone for one "
                                  "orbit under the game's step and under velocity Verlet, at "
                                  "48, 24, 12 and 6 s, against Kepler's period for its "
                                  "starting energy");
    auto* accuracyOrbit = app.add_flag("--accuracy-orbit", options.accuracyOrbit,
                                       "instead of a run, the points of one Crew Dragon orbit at "
                                       "48 s under each method, then Kepler's ellipse (columns "
                                       "method, x_m, y_m)");

    every->excludes(finalOnly);
    // A replay brings its seed, scene and keys; the accuracy reports fly the satellites alone.
    verify->excludes(seedOption)
        ->excludes(scene)
        ->excludes(keys)
        ->excludes(every)
        ->excludes(finalOnly);
    verify->excludes(save)->excludes(accuracy)->excludes(accuracyOrbit);
    accuracy->excludes(accuracyOrbit);
    for (CLI::Option* report : {accuracy, accuracyOrbit}) {
        report->excludes(frames)->excludes(seedOption)->excludes(scene)->excludes(keys);
        report->excludes(every);
        report->excludes(finalOnly)->excludes(save);
    }
}

} // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    long long seed = options.seed;
    CLI::App app("", "corvexa-headless");
    declare(app, options, seed);
    const commandLine::Request request = commandLine::parse(app, arguments);
    options.help = request == commandLine::Request::help;
    options.version = request == commandLine::Request::version;
    options.seed = static_cast<unsigned int>(seed);
    options.seedGiven = app.count("--seed") > 0;
    return options;
}

std::string usage() {
    Options options;
    long long seed = 0;
    CLI::App app("", "corvexa-headless");
    declare(app, options, seed);
    return app.help();
}
