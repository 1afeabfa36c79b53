#include "session/replay.h"

#include "session/input.h"
#include "session/sceneInput.h"

#include <algorithm>
#include <cinttypes>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <iterator>
#include <type_traits>

namespace {

long long readCount(const std::string& text, const std::string& where) {
    return static_cast<long long>(
        parseWholeNumber(text, static_cast<unsigned long long>(maxFrames), where));
}

std::string energyText(double energy) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", energy);
    return text;
}

// One figure of a check line: its name, how it is written and how it is read back.
struct Figure {
    const char* name;
    std::string (*write)(const Census& census);
    void (*read)(const std::string& text, Census& census, const std::string& where);
};

// A figure that counts, written and read as a whole number.
template <auto member> Figure count(const char* name) {
    return {name, [](const Census& c) { return std::to_string(c.*member); },
            [](const std::string& t, Census& c, const std::string& w) {
                using Count = std::remove_reference_t<decltype(c.*member)>;
                c.*member = static_cast<Count>(readCount(t, w));
            }};
}

const Figure figures[] = {
    count<&Census::satellites>("satellites"),
    count<&Census::parts>("parts"),
    count<&Census::fragments>("fragments"),
    count<&Census::bullets>("bullets"),
    {"ship", [](const Census& c) { return std::string(c.shipAlive ? "1" : "0"); },
     [](const std::string& t, Census& c, const std::string& w) {
         c.shipAlive = readCount(t, w) != 0;
     }},
    count<&Census::created>("created"),
    count<&Census::breakUps>("breakups"),
    {"energy", [](const Census& c) { return energyText(c.energy); },
     [](const std::string& t, Census& c, const std::string& w) {
         char* endOfNumber = nullptr;
         c.energy = std::strtod(t.c_str(), &endOfNumber);
         if (*endOfNumber != '\0') {
             throw InputError(w + "'" + excerpt(t) + "' is not a number");
         }
         // Compared as written: the energy's text is what was recorded.
         if (energyText(c.energy) != t) {
             throw InputError(w + "'" + excerpt(t) + "' is not written with six decimals");
         }
     }},
    {"world",
     [](const Census& c) {
         char text[32];
         std::snprintf(text, sizeof text, "%016" PRIx64, c.worldDigest);
         return std::string(text);
     },
     [](const std::string& t, Census& c, const std::string& w) {
         if (t.size() != 16 || t.find_first_not_of("0123456789abcdef") != std::string::npos) {
             throw InputError(w + "'" + excerpt(t) + "' is not 16 hexadecimal digits");
         }
         c.worldDigest = std::stoull(t, nullptr, 16);
     }},
};

// A check or end line's figures back into a census; every figure must be there, once.
Census parseFigures(std::istringstream& words, long long frame, const std::string& where) {
    Census census{};
    census.frame = frame;
    bool seen[std::size(figures)] = {};
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const auto pFigure = std::find_if(std::begin(figures), std::end(figures),
                                          [&name](const Figure& f) { return name == f.name; });
        if (equals == std::string::npos || pFigure == std::end(figures)) {
            throw InputError(where + "'" + excerpt(word) + "' is not a figure of the world");
        }
        bool& given = seen[pFigure - std::begin(figures)];
        if (given) {
            throw InputError(where + name + " is given twice");
        }
        given = true;
        const std::string value = word.substr(equals + 1);
        if (value.empty()) {
            throw InputError(where + name + " has no value");
        }
        pFigure->read(value, census, where + name + " ");
    }
    for (std::size_t i = 0; i < std::size(figures); ++i) {
        if (!seen[i]) {
            throw InputError(where + "the check has no " + figures[i].name);
        }
    }
    return census;
}

} // namespace

std::string checkLine(const char* kind, const Census& census) {
    std::string text = std::string(kind) + " " + std::to_string(census.frame);
    for (const Figure& figure : figures) {
        text += " " + std::string(figure.name) + "=" + figure.write(census);
    }
    return text;
}

Replay Replay::parse(std::istream& in, const std::string& sourceName) {
    Replay replay;
    // The key events go to the key script's parser with the other lines left blank, so that
    // its messages name the replay's own lines.
    std::string events;
    std::string line;
    long long lastEventFrame = 0;
    long long checkedFrame = 0;
    bool headerSeen = false;
    bool seedSeen = false;
    int formatVersion = 0;
    long long rebuiltFrame = 0;
    SceneReader sceneReader;
    long long sceneLine = 0;
    LineReader reader(in, sourceName);
    while (reader.next(line)) {
        const std::string where = reader.where();
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        if (!(words >> word)) {
            events += '\n';
            continue;
        }
        if (!headerSeen) {
            std::string given;
            if (word != format || !(words >> given)) {
                throw InputError(where + "not a replay: it must begin with '" + format + " " +
                                 std::to_string(Replay::version) + "'");
            }
            if (given != "1" && given != std::to_string(Replay::version)) {
                throw InputError(where + "version " + excerpt(given) +
                                 " of the replay format is not known here; this program reads "
                                 "versions 1 to " +
                                 std::to_string(Replay::version));
            }
            formatVersion = given == "1" ? 1 : Replay::version;
            headerSeen = true;
            events += '\n';
            continue;
        }
        if (!seedSeen) {
            std::string value;
            if (word != "seed" || !(words >> value)) {
                throw InputError(where + "the seed must come next: 'seed N'");
            }
            replay.seed = static_cast<unsigned int>(
                parseWholeNumber(value, std::numeric_limits<unsigned int>::max(), where + "seed "));
            seedSeen = true;
            events += '\n';
            continue;
        }
        if (replay.ended) {
            throw InputError(where + "nothing may follow the end line");
        }
        if (formatVersion >= 2 && word == Replay::sceneWord) {
            if (lastEventFrame > 0 || !replay.checks.empty() || !replay.rebuilds.empty()) {
                throw InputError(where + "the scene comes before the first key event or check");
            }
            // The scene's line as it was, comments and all.
            const std::size_t after = line.find(Replay::sceneWord) + std::strlen(Replay::sceneWord);
            readSceneLine(sceneReader, line.substr(after), reader);
            sceneLine = sceneLine == 0 ? reader.getLineNumber() : sceneLine;
            events += '\n';
            continue;
        }
        if (word == "check" || word == "end") {
            std::string value;
            if (!(words >> value)) {
                throw InputError(where + word + " needs the number of frames run");
            }
            const auto frame = static_cast<long long>(parseWholeNumber(
                value, static_cast<unsigned long long>(maxFrames), where + word + " "));
            if (frame < checkedFrame || frame + 1 < lastEventFrame) {
                throw InputError(where + word + " " + value + " comes after later frames");
            }
            replay.checks.push_back(parseFigures(words, frame, where));
            replay.ended = word == "end";
            checkedFrame = frame;
            events += '\n';
            continue;
        }
        if (word == "world" && formatVersion >= 2) {
            std::string frameText;
            std::string seedText;
            if (!(words >> frameText >> seedText)) {
                throw InputError(where + "a new world needs its frame and seed: 'world F S'");
            }
            const auto frame = static_cast<long long>(parseWholeNumber(
                frameText, static_cast<unsigned long long>(maxFrames), where + "world "));
            if (frame < checkedFrame || frame < rebuiltFrame || frame + 1 < lastEventFrame) {
                throw InputError(where + "world " + frameText + " comes after later frames");
            }
            replay.rebuilds.push_back(
                {frame, static_cast<unsigned int>(parseWholeNumber(
                            seedText, std::numeric_limits<unsigned int>::max(), where + "seed "))});
            rebuiltFrame = frame;
            events += '\n';
            continue;
        }
        const auto frame = static_cast<long long>(
            parseWholeNumber(word, static_cast<unsigned long long>(maxFrames), where + "frame "));
        if (frame <= rebuiltFrame && !replay.rebuilds.empty()) {
            throw InputError(where + "frame " + word + " comes before the new world of frame " +
                             std::to_string(rebuiltFrame));
        }
        if (frame <= checkedFrame) {
            throw InputError(where + "frame " + word + " comes after the check of frame " +
                             std::to_string(checkedFrame));
        }
        lastEventFrame = std::max(lastEventFrame, frame);
        events += line + '\n';
    }
    if (!headerSeen) {
        throw InputError(sourceName + ": not a replay: it is empty");
    }
    if (!seedSeen) {
        throw InputError(sourceName + ": the replay ends before its seed");
    }
    if (sceneLine != 0) {
        Scene scene;
        const std::string problem = sceneReader.finish(scene);
        if (!problem.empty()) {
            throw InputError(sourceName + ":" + std::to_string(sceneLine) + ": " + problem);
        }
        replay.scene = std::make_shared<const Scene>(std::move(scene));
    }
    std::istringstream eventLines(events);
    replay.script = KeyScript::parse(eventLines, sourceName);
    replay.lastFrame =
        replay.ended ? checkedFrame : std::max({checkedFrame, lastEventFrame, rebuiltFrame});
    replay.name = sourceName;
    return replay;
}

void Replay::checkLength(long long limit, const std::string& raiseWith) const {
    if (lastFrame > limit) {
        throw InputError(name + ": the replay runs to frame " + std::to_string(lastFrame) +
                         ", beyond the limit of " + std::to_string(limit) + " frames; " +
                         raiseWith + " raises it");
    }
}

ReplayWriter::ReplayWriter(std::ostream& output, unsigned int seed, const Scene* scene)
    : out(output) {
    // The head goes out whole, flushed once: a scene may have a hundred thousand lines.
    std::string head = std::string(Replay::format) + " " + std::to_string(Replay::version) +
                       "\nseed " + std::to_string(seed);
    if (scene != nullptr) {
        for (const std::string& line : scene->getLines()) {
            head += "\n" + std::string(Replay::sceneWord) + " " + line;
        }
    }
    writeLine(head);
}

void ReplayWriter::worldRebuilt(long long frame, unsigned int seed) {
    writeLine("world " + std::to_string(frame) + " " + std::to_string(seed));
}

void ReplayWriter::keyEvent(long long frame, int code, bool pressed) {
    const char* name = keyName(code);
    if (name != nullptr) {
        writeLine(std::to_string(frame) + (pressed ? " +" : " -") + name);
    }
}

void ReplayWriter::frameEnded(const Simulator& world, long long frame) {
    if (frame % checkEvery == 0) {
        writeLine(checkLine("check", takeCensus(world, frame)));
    }
}

void ReplayWriter::end(const Simulator& world, long long frame) {
    writeLine(checkLine("end", takeCensus(world, frame)));
}

void ReplayWriter::writeLine(const std::string& line) {
    if (!failure.empty()) {
        return;
    }
    out << line << '\n';
    out.flush();
    if (!out) {
        failure = lastSystemError();
    }
}

void ReplayVerdict::afterFrame(const Simulator& world, long long frame) {
    const auto& checks = replay.getChecks();
    for (; nextCheck < checks.size() && checks[nextCheck].frame <= frame; ++nextCheck) {
        if (!difference.empty() || checks[nextCheck].frame != frame) {
            continue;
        }
        const Census census = takeCensus(world, frame);
        for (const Figure& figure : figures) {
            const std::string recorded = figure.write(checks[nextCheck]);
            const std::string replayed = figure.write(census);
            if (recorded != replayed) {
                difference = "at frame " + std::to_string(census.frame) + ": " + figure.name + " " +
                             recorded + " recorded, " + replayed + " replayed";
                break;
            }
        }
    }
}

std::string ReplayVerdict::describe(long long framesRun) const {
    if (differs()) {
        return "replay differs " + difference;
    }
    if (framesRun < replay.getLastFrame()) {
        return "replay matches (to frame " + std::to_string(framesRun) + " of " +
               std::to_string(replay.getLastFrame()) + ")";
    }
    if (!replay.hasEnd()) {
        return "replay matches (to frame " + std::to_string(replay.getLastFrame()) +
               ": the recording has no end line)";
    }
    return "replay matches";
}
