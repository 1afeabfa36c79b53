#include "headless/headless.h"

#include "headless/accuracy.h"
#include "session/input.h"
#include "session/sceneInput.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <sstream>
#include <cstdio>
#include <fstream>
#include <istream>
#include <limits>
#include <ostream>

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

namespace {

// The report goes to standard output; a stream that failed has lost it.
void checkReport(const std::ostream& out) {
    if (!out) {
        throw WriteError("standard output: cannot be written: " + lastSystemError());
    }
}

} // namespace

std::string runHeadless(const Options& options, const KeyScript& script, std::ostream& out,
                        std::ostream* replayOut, const std::vector<Replay::Rebuild>& rebuilds,
                        const Scene* scene) {
    HeadlessSession session(options.seed, script, rebuilds, scene);
    std::size_t nextRebuild = 0;
    std::optional<ReplayWriter> writer;
    if (replayOut != nullptr) {
        writer.emplace(*replayOut, options.seed, scene);
    }
    KeyScriptCursor cursor(script);
    writeCsvHeader(out);
    for (;;) {
        const long long frame = session.getFrame();
        const bool last = frame == options.frames;
        if (last || (!options.finalOnly && frame % options.every == 0)) {
            // A row shows no digest, which would cost a crowded world more than its counting.
            writeCsvRow(out, takeCensus(session.getWorld(), session.getFrame(), false));
            // No use running on once the report is lost.
            checkReport(out);
        }
        if (last) {
            break;
        }
        if (writer) {
            for (; nextRebuild < rebuilds.size() && rebuilds[nextRebuild].frame <= frame;
                 ++nextRebuild) {
                writer->worldRebuilt(frame, rebuilds[nextRebuild].seed);
            }
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
        return writer->getFailure();
    }
    return {};
}

int verifyReplay(const Replay& replay, std::ostream& out, long long frames) {
    HeadlessSession session(replay.getSeed(), replay.getScript(), replay.getRebuilds(),
                            replay.getScene());
    ReplayVerdict verdict(replay);
    const long long last = std::min(frames, replay.getLastFrame());
    while (session.getFrame() < last) {
        session.runFrame();
        verdict.afterFrame(session.getWorld(), session.getFrame());
    }
    out << verdict.describe(session.getFrame()) << "\n";
    return verdict.differs() ? 1 : 0;
}

namespace {

// A key script, or a replay, which brings its seed, its new worlds and its scene, unless the
// seed or the scene are given.
KeyScript readKeys(std::istream& in, const std::string& name, Options& options,
                   std::vector<Replay::Rebuild>& rebuilds, std::optional<Scene>& scene) {
    const std::string text = readText(in, name);
    std::istringstream lines(text);
    const std::size_t start =
        text.find_first_not_of(" \t\r\n", text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0);
    if (start != std::string::npos &&
        text.compare(start, std::strlen(Replay::format), Replay::format) == 0) {
        const Replay replay = Replay::parse(lines, name);
        replay.checkLength(options.maxFrames, "--max-frames");
        if (!options.seedGiven) {
            options.seed = replay.getSeed();
        }
        rebuilds = replay.getRebuilds();
        if (!scene && replay.getScene() != nullptr) {
            scene = *replay.getScene();
        }
        return replay.getScript();
    }
    return KeyScript::parse(lines, name);
}

// Standard output's last bytes leave with the flush: a full disk shows only then.
void finishOutput(std::ostream& out) {
    out.flush();
    checkReport(out);
}

} // namespace

int headlessMain(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out,
                 std::ostream& err) {
    try {
        const Options options = parseOptions(arguments);
        if (options.help || options.version) {
            out << (options.help ? usage()
                                 : std::string("corvexa-headless ") + CORVEXA_VERSION + "\n");
            finishOutput(out);
            return 0;
        }
        if (options.accuracy || options.accuracyOrbit) {
            (options.accuracy ? writeAccuracy : writeAccuracyOrbit)(out);
            finishOutput(out);
            return 0;
        }
        if (!options.verifyPath.empty()) {
            std::ifstream file = openInput(options.verifyPath);
            const Replay replay = Replay::parse(file, options.verifyPath);
            replay.checkLength(options.maxFrames, "--max-frames");
            const int status = verifyReplay(replay, out, options.frames);
            finishOutput(out);
            return status;
        }
        Options run = options;
        std::optional<Scene> scene;
        if (!options.scenePath.empty()) {
            scene = readSceneFile(options.scenePath);
        }
        KeyScript script;
        std::vector<Replay::Rebuild> rebuilds;
        if (options.keysPath == "-") {
            script = readKeys(in, "standard input", run, rebuilds, scene);
        } else if (!options.keysPath.empty()) {
            std::ifstream file = openInput(options.keysPath);
            script = readKeys(file, options.keysPath, run, rebuilds, scene);
        }
        std::ofstream replayFile;
        if (!options.saveReplayPath.empty()) {
            replayFile.open(options.saveReplayPath, std::ios::out | std::ios::trunc);
            if (!replayFile) {
                throw InputError(options.saveReplayPath +
                                 ": cannot be written: " + lastSystemError());
            }
        }
        const std::string failure =
            runHeadless(run, script, out, replayFile.is_open() ? &replayFile : nullptr, rebuilds,
                        scene ? &*scene : nullptr);
        if (!failure.empty()) {
            throw WriteError(options.saveReplayPath + ": cannot be written: " + failure);
        }
        finishOutput(out);
        return 0;
    } catch (const InputError& error) {
        err << "corvexa-headless: " << error.what() << "\n"
            << "Try 'corvexa-headless --help'.\n";
        return 2;
    } catch (const WriteError& error) {
        err << "corvexa-headless: " << error.what() << "\n";
        return 2;
    }
}
