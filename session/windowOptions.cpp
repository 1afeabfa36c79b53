#include "session/windowOptions.h"

#include "session/commandLine.h"

#include "window/keys.h"

#include <algorithm>
#include <iterator>

namespace {

const char* const description =
    "Satellites orbiting the Earth, and a ship you steer: the left and right arrows (or A and\n"
    "D) turn it, the down arrow (or W) thrusts, the space bar (or Home) fires. Every start\n"
    "prints the self-check report first.\n";

// The explore keys, from the one table of them.
std::string footer() {
    std::string text = "Explore keys (with --explore, and always with --replay):\n";
    for (const CommandBinding& binding : commandBindings) {
        const bool merged =
            &binding != commandBindings && (&binding - 1)->command == binding.command;
        if (merged) {
            continue;
        }
        std::string keys = binding.key;
        for (const CommandBinding* pNext = &binding + 1;
             pNext != std::end(commandBindings) && pNext->command == binding.command; ++pNext) {
            keys += " or " + std::string(pNext->key);
        }
        keys.resize(std::max<std::size_t>(keys.size() + 2, 24), ' ');
        text += "  " + keys + binding.what + "\n";
    }
    return text + "\nAny other argument goes to the window toolkit (for example -geometry or "
                  "-display).\n";
}

void declare(CLI::App& app, WindowOptions& options, std::string& recordPath,
             std::string& replayPath) {
    commandLine::setUp(app, CORVEXA_VERSION);
    app.description(description);
    app.footer(footer());
    app.allow_extras();
    // Only its place as the first argument counts; elsewhere it changes nothing.
    app.add_flag("--test", "print the self-check report and end; only as the first argument, "
                           "spelt exactly so");
    auto* record = commandLine::addFile(app, "--record", recordPath,
                                        "play as usual and write the session to FILE as a replay");
    auto* replay = commandLine::addFile(app, "--replay", replayPath,
                                        "show a recorded session, keys ignored; at its end say "
                                        "whether the world came out the same, and run on with no "
                                        "key held");
    auto* scene = commandLine::addFile(app, "--scene", options.scenePath,
                                       "play in the world the scene FILE poses instead of the "
                                       "world as built; with --record, the replay carries it");
    commandLine::addMaxFrames(app, options.maxFrames);
    app.add_flag("--explore", options.explore,
                 "the window with the explore keys: P pauses, . steps, - and + change the "
                 "speed, H shows the figures, T the orbit trails, R builds a new world");
    record->excludes(replay);
    // A replay brings its own scene.
    replay->excludes(scene);
}

} // namespace

WindowOptions parseWindowOptions(int argc, char** argv) {
    WindowOptions options;
    std::string recordPath;
    std::string replayPath;
    CLI::App app("", "corvexa");
    declare(app, options, recordPath, replayPath);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    switch (commandLine::parse(app, arguments)) {
    case commandLine::Request::help:
        options.mode = WindowOptions::Mode::help;
        return options;
    case commandLine::Request::version:
        options.mode = WindowOptions::Mode::version;
        return options;
    case commandLine::Request::run:
        break;
    }
    if (!recordPath.empty()) {
        options.mode = WindowOptions::Mode::record;
        options.path = recordPath;
    } else if (!replayPath.empty()) {
        options.mode = WindowOptions::Mode::replay;
        options.path = replayPath;
    }
    options.toolkitArguments.push_back(argc > 0 ? argv[0] : "corvexa");
    for (const std::string& argument : app.remaining()) {
        options.toolkitArguments.push_back(argument);
    }
    return options;
}

std::string windowUsage() {
    WindowOptions options;
    std::string recordPath;
    std::string replayPath;
    CLI::App app("", "corvexa");
    declare(app, options, recordPath, replayPath);
    return app.help();
}
