#include "headless/headless.h"

#include "headless/accuracy.h"
#include "session/input.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>
#include <cstdio>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>

const char* const usageText =
    "usage: corvexa-headless [--frames N] [--seed S] [--keys FILE|-] [--every K | --final]\n"
    "                        [--save-replay FILE]\n"
    "       corvexa-headless --verify FILE\n"
    "       corvexa-headless --accuracy | --accuracy-orbit\n"
    "\n"
    "Runs the Corvexa world without a window, 48 simulated seconds a frame, and writes a CSV\n"
    "report on standard output.\n"
    "\n"
    "  --frames N   frames to run (default 10000)\n"
    "  --seed S     seed of the random numbers, 0 to 4294967295 (default 1)\n"
    "  --keys FILE  key script or replay to play; - reads it from standard input (default: no\n"
    "               keys); a replay brings its seed, unless --seed is given\n"
    "  --every K    a row every K frames and for the last frame (default 1)\n"
    "  --final      only the last frame's row\n"
    "  --save-replay FILE\n"
    "               also write the run as a replay, to watch it with corvexa --replay FILE\n"
    "  --verify FILE\n"
    "               play a replay to its end and check the world at each of its checks: exit\n"
    "               status 0 when it matches, 1 when it differs, 2 for a file that is not a\n"
    "               replay\n"
    "  --accuracy   instead of a run, each satellite kind flown alone for one orbit under the\n"
    "               game's step and under velocity Verlet, at 48, 24, 12 and 6 s, against\n"
    "               Kepler's period for its starting energy\n"
    "  --accuracy-orbit\n"
    "               instead of a run, the points of one Crew Dragon orbit at 48 s under each\n"
    "               method, then Kepler's ellipse (columns method, x_m, y_m)\n"
    "  --help       this text\n"
    "\n"
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
    "of its size: positive when the orbit grew).\n";

namespace {

long long readCount(const std::string& option, const std::string& text, long long min) {
    const auto value = static_cast<long long>(
        parseWholeNumber(text, static_cast<unsigned long long>(maxFrames), option + " "));
    if (value < min) {
        throw InputError(option + " must be at least " + std::to_string(min));
    }
    return value;
}

} // namespace

Options parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--help") {
            options.help = true;
            return options;
        }
        const bool takesValue = option == "--frames" || option == "--seed" || option == "--keys" ||
                                option == "--every" || option == "--verify" ||
                                option == "--save-replay";
        const bool flag =
            option == "--final" || option == "--accuracy" || option == "--accuracy-orbit";
        if (!takesValue && !flag) {
            throw InputError(option.rfind('-', 0) == 0 ? "unknown option '" + option + "'"
                                                       : "unexpected argument '" + option + "'");
        }
        if (std::find(seen.begin(), seen.end(), option) != seen.end()) {
            throw InputError(option + " is given twice");
        }
        seen.push_back(option);
        if (flag) {
            bool& set = option == "--final"      ? options.finalOnly
                        : option == "--accuracy" ? options.accuracy
                                                 : options.accuracyOrbit;
            set = true;
            continue;
        }
        if (i + 1 == arguments.size()) {
            throw InputError(option + " needs a value");
        }
        const std::string& value = arguments[++i];
        if (option == "--frames") {
            options.frames = readCount(option, value, 0);
        } else if (option == "--every") {
            options.every = readCount(option, value, 1);
        } else if (option == "--seed") {
            options.seed = static_cast<unsigned int>(
                parseWholeNumber(value, std::numeric_limits<unsigned int>::max(), option + " "));
            options.seedGiven = true;
        } else if (option == "--verify" || option == "--save-replay") {
            if (value.empty()) {
                throw InputError(option + " needs a file name");
            }
            (option == "--verify" ? options.verifyPath : options.saveReplayPath) = value;
        } else {
            if (value.empty()) {
                throw InputError("--keys needs a file name, or - for standard input");
            }
            options.keysPath = value;
        }
    }
    const auto given = [&seen](const char* option) {
        return std::find(seen.begin(), seen.end(), option) != seen.end();
    };
    if (given("--every") && given("--final")) {
        throw InputError("--every and --final do not go together");
    }
    if (options.accuracy && options.accuracyOrbit) {
        throw InputError("--accuracy and --accuracy-orbit do not go together");
    }
    // A replay brings its seed, keys and length.
    for (const char* other : {"--frames", "--seed", "--keys", "--every", "--final", "--save-replay",
                              "--accuracy", "--accuracy-orbit"}) {
        if (!options.verifyPath.empty() && given(other)) {
            throw InputError(std::string("--verify and ") + other + " do not go together");
        }
    }
    // The accuracy reports fly the satellites alone: nothing of a run applies to them.
    const std::string report = options.accuracy ? "--accuracy" : "--accuracy-orbit";
    for (const char* other :
         {"--frames", "--seed", "--keys", "--every", "--final", "--save-replay"}) {
        if ((options.accuracy || options.accuracyOrbit) && given(other)) {
            throw InputError(report + " and " + other + " do not go together");
        }
    }
    return options;
}

void writeCsvHeader(std::ostream& out) {
    out << "frame,seconds,satellites,parts,fragments,bullets,ship,created,breakups,energy\n";
}

void writeCsvRow(std::ostream& out, const Census& census) {
    // Fixed formats in the C locale, so one run reads the same on every machine.
    char row[256];
    std::snprintf(row, sizeof row, "%lld,%.0f,%d,%d,%d,%d,%d,%lld,%lld,%.6f\n", census.frame,
                  census.seconds, census.satellites, census.parts, census.fragments, census.bullets,
                  census.shipAlive ? 1 : 0, census.created, census.breakUps, census.energy);
    out << row;
}

void runHeadless(const Options& options, const KeyScript& script, std::ostream& out,
                 std::ostream* replayOut) {
    HeadlessSession session(options.seed, script);
    std::optional<ReplayWriter> writer;
    if (replayOut != nullptr) {
        writer.emplace(*replayOut, options.seed);
    }
    KeyScriptCursor cursor(script);
    writeCsvHeader(out);
    for (;;) {
        const long long frame = session.getFrame();
        const bool last = frame == options.frames;
        if (last || (!options.finalOnly && frame % options.every == 0)) {
            writeCsvRow(out, takeCensus(session));
        }
        if (last) {
            break;
        }
        if (writer) {
            cursor.deliverUpTo(frame + 1, [&writer, frame](const KeyEvent& event) {
                writer->keyEvent(frame + 1, event.code, event.pressed);
            });
        }
        session.runFrame();
        if (writer) {
            writer->frameEnded(session.getWorld(), session.getFrame());
        }
    }
    if (writer) {
        writer->end(session.getWorld(), session.getFrame());
    }
}

int verifyReplay(const Replay& replay, std::ostream& out) {
    HeadlessSession session(replay.getSeed(), replay.getScript());
    ReplayVerdict verdict(replay);
    while (session.getFrame() < replay.getLastFrame()) {
        session.runFrame();
        verdict.afterFrame(session.getWorld(), session.getFrame());
    }
    out << verdict.describe();
    if (!replay.hasEnd()) {
        out << " (to frame " << replay.getLastFrame() << ": the recording has no end line)";
    }
    out << "\n";
    return verdict.differs() ? 1 : 0;
}

namespace {

// A key script, or a replay, which brings its seed.
KeyScript readKeys(std::istream& in, const std::string& name, Options& options) {
    std::ostringstream whole;
    whole << in.rdbuf();
    const std::string text = whole.str();
    std::istringstream lines(text);
    const std::size_t start = text.find_first_not_of(" \t\r\n");
    if (start != std::string::npos &&
        text.compare(start, std::strlen(Replay::format), Replay::format) == 0) {
        const Replay replay = Replay::parse(lines, name);
        if (!options.seedGiven) {
            options.seed = replay.getSeed();
        }
        return replay.getScript();
    }
    return KeyScript::parse(lines, name);
}

} // namespace

int headlessMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    try {
        const Options options = parseOptions(arguments);
        if (options.help) {
            out << usageText;
            return 0;
        }
        if (options.accuracy || options.accuracyOrbit) {
            (options.accuracy ? writeAccuracy : writeAccuracyOrbit)(out);
            out.flush();
            return 0;
        }
        if (!options.verifyPath.empty()) {
            std::ifstream file(options.verifyPath);
            if (!file) {
                throw InputError(options.verifyPath + ": cannot be opened");
            }
            const Replay replay = Replay::parse(file, options.verifyPath);
            const int status = verifyReplay(replay, out);
            out.flush();
            return status;
        }
        Options run = options;
        KeyScript script;
        if (options.keysPath == "-") {
            script = readKeys(in, "standard input", run);
        } else if (!options.keysPath.empty()) {
            std::ifstream file(options.keysPath);
            if (!file) {
                throw InputError(options.keysPath + ": cannot be opened");
            }
            script = readKeys(file, options.keysPath, run);
        }
        std::ofstream replayFile;
        if (!options.saveReplayPath.empty()) {
            replayFile.open(options.saveReplayPath, std::ios::out | std::ios::trunc);
            if (!replayFile) {
                throw InputError(options.saveReplayPath + ": cannot be written");
            }
        }
        runHeadless(run, script, out, replayFile.is_open() ? &replayFile : nullptr);
        out.flush();
        return 0;
    } catch (const InputError& error) {
        err << "corvexa-headless: " << error.what() << "\n"
            << "Try 'corvexa-headless --help'.\n";
        return 2;
    }
}
