#include "session/replay.h"

#include "session/input.h"

#include <algorithm>
#include <cinttypes>
#include <cstdlib>
#include <cstdio>
#include <istream>
#include <limits>
#include <ostream>
#include <sstream>
#include <utility>

namespace {

// The figures of a check line, in order, each with its text.
std::vector<std::pair<std::string, std::string>> figuresOf(const Census& census) {
    char energy[64];
    std::snprintf(energy, sizeof energy, "%.6f", census.energy);
    char world[32];
    std::snprintf(world, sizeof world, "%016" PRIx64, census.worldDigest);
    return {{"satellites", std::to_string(census.satellites)},
            {"parts", std::to_string(census.parts)},
            {"fragments", std::to_string(census.fragments)},
            {"bullets", std::to_string(census.bullets)},
            {"ship", census.shipAlive ? "1" : "0"},
            {"created", std::to_string(census.created)},
            {"breakups", std::to_string(census.breakUps)},
            {"energy", energy},
            {"world", world}};
}

// A check or end line's figures back into a census; every figure must be there, once.
Census parseFigures(std::istringstream& words, long long frame, const std::string& where) {
    Census census{};
    census.frame = frame;
    std::vector<std::pair<std::string, std::string>> expected = figuresOf(census);
    std::vector<std::string> values(expected.size());
    std::string word;
    while (words >> word) {
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        std::size_t index = 0;
        while (index < expected.size() && expected[index].first != name) {
            ++index;
        }
        if (equals == std::string::npos || index == expected.size()) {
            throw InputError(where + "'" + word + "' is not a figure of the world");
        }
        if (!values[index].empty()) {
            throw InputError(where + name + " is given twice");
        }
        values[index] = word.substr(equals + 1);
        if (values[index].empty()) {
            throw InputError(where + name + " has no value");
        }
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (values[i].empty()) {
            throw InputError(where + "the check has no " + expected[i].first);
        }
    }
    const auto count = [&](std::size_t i) {
        return static_cast<long long>(parseWholeNumber(values[i],
                                                       static_cast<unsigned long long>(maxFrames),
                                                       where + expected[i].first + " "));
    };
    census.satellites = static_cast<int>(count(0));
    census.parts = static_cast<int>(count(1));
    census.fragments = static_cast<int>(count(2));
    census.bullets = static_cast<int>(count(3));
    census.shipAlive = count(4) != 0;
    census.created = count(5);
    census.breakUps = count(6);
    char* endOfNumber = nullptr;
    census.energy = std::strtod(values[7].c_str(), &endOfNumber);
    if (*endOfNumber != '\0') {
        throw InputError(where + "energy '" + values[7] + "' is not a number");
    }
    if (values[8].size() != 16 ||
        values[8].find_first_not_of("0123456789abcdef") != std::string::npos) {
        throw InputError(where + "world '" + values[8] + "' is not 16 hexadecimal digits");
    }
    census.worldDigest = std::stoull(values[8], nullptr, 16);
    // Compared as written: the energy's text is what was recorded.
    if (figuresOf(census)[7].second != values[7]) {
        throw InputError(where + "energy '" + values[7] + "' is not written with six decimals");
    }
    return census;
}

} // namespace

std::string checkLine(const char* kind, const Census& census) {
    std::string text = std::string(kind) + " " + std::to_string(census.frame);
    for (const auto& [name, value] : figuresOf(census)) {
        text += " " + name + "=" + value;
    }
    return text;
}

Replay Replay::parse(std::istream& in, const std::string& sourceName) {
    Replay replay;
    // The key events go to the key script's parser with the other lines left blank, so that
    // its messages name the replay's own lines.
    std::string events;
    std::string line;
    long long lineNumber = 0;
    long long lastEventFrame = 0;
    long long checkedFrame = 0;
    bool headerSeen = false;
    bool seedSeen = false;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = sourceName + ":" + std::to_string(lineNumber) + ": ";
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
            if (given != std::to_string(Replay::version)) {
                throw InputError(where + "version " + given + " of the replay format is not " +
                                 "known here; this program reads version " +
                                 std::to_string(Replay::version));
            }
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
            replay.checks.push_back({parseFigures(words, frame, where), lineNumber});
            replay.ended = word == "end";
            checkedFrame = frame;
            events += '\n';
            continue;
        }
        const auto frame = static_cast<long long>(
            parseWholeNumber(word, static_cast<unsigned long long>(maxFrames), where + "frame "));
        if (frame <= checkedFrame) {
            throw InputError(where + "frame " + word + " comes after the check of frame " +
                             std::to_string(checkedFrame));
        }
        lastEventFrame = std::max(lastEventFrame, frame);
        events += line + '\n';
    }
    if (in.bad()) {
        throw InputError(sourceName + ": cannot be read");
    }
    if (!headerSeen) {
        throw InputError(sourceName + ": not a replay: it is empty");
    }
    if (!seedSeen) {
        throw InputError(sourceName + ": the replay ends before its seed");
    }
    std::istringstream eventLines(events);
    replay.script = KeyScript::parse(eventLines, sourceName);
    replay.lastFrame = replay.ended ? checkedFrame : std::max(checkedFrame, lastEventFrame);
    return replay;
}

ReplayWriter::ReplayWriter(std::ostream& output, unsigned int seed) : out(output) {
    writeLine(std::string(Replay::format) + " " + std::to_string(Replay::version));
    writeLine("seed " + std::to_string(seed));
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
    out << line << '\n';
    out.flush();
}

void ReplayVerdict::afterFrame(const Simulator& world, long long frame) {
    const auto& checks = replay.getChecks();
    for (; nextCheck < checks.size() && checks[nextCheck].census.frame <= frame; ++nextCheck) {
        if (!difference.empty() || checks[nextCheck].census.frame != frame) {
            continue;
        }
        const Census census = takeCensus(world, frame);
        const auto recorded = figuresOf(checks[nextCheck].census);
        const auto replayed = figuresOf(census);
        for (std::size_t i = 0; i < recorded.size() && difference.empty(); ++i) {
            if (recorded[i].second != replayed[i].second) {
                difference = "at frame " + std::to_string(census.frame) + ": " + recorded[i].first +
                             " " + recorded[i].second + " recorded, " + replayed[i].second +
                             " replayed";
            }
        }
    }
}

std::string ReplayVerdict::describe() const {
    return differs() ? "replay differs " + difference : "replay matches";
}
