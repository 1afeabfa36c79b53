#include "scene/scene.h"

#include "objects/part.h"
#include "objects/satellites.h"
#include "physics/constants.h"
#include "scene/orbitState.h"
#include "scene/sceneError.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>

namespace {

using Maker = std::unique_ptr<Satellite> (*)(const Position&, const Velocity&);

template <typename T>
std::unique_ptr<Satellite> make(const Position& position, const Velocity& velocity) {
    return std::make_unique<T>(position, velocity);
}

struct Kind {
    const char* name;
    bool part;
    Maker make;
};

// The five satellites, then the twelve parts. Parts never expire, so debris can be posed.
constexpr Kind kinds[] = {
    {"sputnik", false, make<SatelliteSputnik>},
    {"hubble", false, make<SatelliteHubble>},
    {"gps", false, make<SatelliteGPS>},
    {"starlink", false, make<SatelliteStarlink>},
    {"crewdragon", false, make<SatelliteCrewDragon>},
    {"gps-center", true, make<PartGPSCenter>},
    {"gps-left", true, make<PartGPSLeft>},
    {"gps-right", true, make<PartGPSRight>},
    {"hubble-telescope", true, make<PartHubbleTelescope>},
    {"hubble-computer", true, make<PartHubbleComputer>},
    {"hubble-left", true, make<PartHubbleLeft>},
    {"hubble-right", true, make<PartHubbleRight>},
    {"starlink-body", true, make<PartStarlinkBody>},
    {"starlink-array", true, make<PartStarlinkArray>},
    {"crewdragon-center", true, make<PartCrewDragonCenter>},
    {"crewdragon-left", true, make<PartCrewDragonLeft>},
    {"crewdragon-right", true, make<PartCrewDragonRight>},
};
constexpr int kindCount = static_cast<int>(sizeof kinds / sizeof kinds[0]);

// Bounds of what a scene may say; beyond them lies a typing mistake, not a sky.
constexpr double maxDistance = 1000000.0; // km, from the centre or above the surface
constexpr double maxSpeed = 100000.0;     // m/s, each component
constexpr double maxAngle = 360.0;        // degrees, either way

// What an 'at' line lacks, built once: a scene may hold a hundred thousand such lines.
const std::string placeNeeded = "at needs x and y, in km from the Earth's centre";
const std::string velocityNeeded = "after 'at X Y' comes 'velocity DX DY', in m/s";

constexpr int kilometres = 3; // powers of ten from km to metres
constexpr int asWritten = 0;

// Whole powers of ten are exact in a double up to 10^22.
constexpr double powersOfTen[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                  1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                  1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr int maxDigits = 15;

bool isDigit(char c) { return c >= '0' && c <= '9'; }
// What separates words: a scene's editor may have put tabs or a carriage return.
bool isSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r' && c != '\n'); }

// A word from the file, as the session's messages show text from outside: bytes other than
// printable ASCII as \xNN, and a long word cut short.
std::string escaped(const std::string& text) {
    constexpr std::size_t longest = 40;
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < longest; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += static_cast<char>(byte);
        } else {
            const char* const hex = "0123456789ABCDEF";
            shown += std::string("\\x") + hex[byte >> 4] + hex[byte & 0xF];
        }
    }
    return text.size() > longest ? shown + "..." : shown;
}

std::string quoted(const std::string& text) { return "'" + escaped(text) + "'"; }

// A decimal as written, times 10^shift, rounded once: its digits make a whole number below
// 2^53 and the power of ten is exact, so one multiplication or division gives the nearest
// double to the exact value, on every platform. Thus 23001.63472 km is 23001634.72 m exactly
// as the compiler reads that literal. Returns false for text that is no such decimal.
bool readDecimal(const std::string& text, int shift, double& value, std::string& problem) {
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        ++at;
    }
    std::string digits;
    int decimals = 0;
    bool point = false;
    for (; at < text.size(); ++at) {
        if (text[at] == '.' && !point) {
            point = true;
        } else if (isDigit(text[at])) {
            digits += text[at];
            decimals += point ? 1 : 0;
        } else {
            digits.clear();
            break;
        }
    }
    if (digits.empty()) {
        problem = quoted(text) + " is not a number written in decimals, like -1234.5";
        return false;
    }
    if (decimals > maxDigits) {
        problem = quoted(text) + " has more than 15 decimals";
        return false;
    }
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos) {
        value = 0.0;
        return true;
    }
    if (static_cast<int>(digits.size()) - decimals - static_cast<int>(first) > maxDigits) {
        problem = quoted(text) + " is too large";
        return false;
    }
    const std::size_t last = digits.find_last_not_of('0');
    int exponent = shift - decimals + static_cast<int>(digits.size() - 1 - last);
    digits = digits.substr(first, last + 1 - first);
    if (static_cast<int>(digits.size()) > maxDigits) {
        problem = quoted(text) + " has more than 15 significant digits";
        return false;
    }
    std::uint64_t whole = 0;
    for (const char digit : digits) {
        whole = whole * 10U + static_cast<std::uint64_t>(digit - '0');
    }
    const auto exact = static_cast<double>(whole);
    value = exponent >= 0 ? exact * powersOfTen[exponent] : exact / powersOfTen[-exponent];
    value = negative ? -value : value;
    return true;
}

// The words of a line, taken one by one.
class Words {
public:
    using Iterator = std::vector<std::string>::const_iterator;
    Words(Iterator from, Iterator to) : word(from), end(to) {}

    bool done() const { return word == end; }
    // The word taken last.
    const std::string& last() const { return *(word - 1); }
    // The next word; without one, the scene says what was missing.
    const std::string& take(const std::string& missing) {
        if (word == end) {
            throw SceneError(missing);
        }
        return *word++;
    }
    // A number in [low, high] of unit, called name in messages.
    double number(const std::string& name, const std::string& missing, int shift, double low,
                  double high, const char* unit) {
        const std::string& text = take(missing);
        double value = 0.0;
        std::string problem;
        if (!readDecimal(text, shift, value, problem)) {
            throw SceneError(name + " " + problem);
        }
        const double scale = powersOfTen[shift];
        if (value < low * scale || value > high * scale) {
            throw SceneError(name + " " + text + " is out of range (" + range(low, high) + " " +
                             unit + ")");
        }
        return value;
    }
    void expectEnd(const std::string& after) const {
        if (word != end) {
            throw SceneError(quoted(*word) + " after " + after + " is not expected");
        }
    }

private:
    static std::string range(double low, double high) {
        const auto text = [](double value) {
            return std::to_string(static_cast<long long>(value));
        };
        return low == 0.0 ? "at most " + text(high) : text(low) + " to " + text(high);
    }

    Iterator word;
    Iterator end;
};

std::vector<std::string> wordsOf(const std::string& text) {
    std::vector<std::string> words;
    words.reserve(8);
    for (std::size_t at = 0; at < text.size();) {
        if (isSpace(text[at])) {
            ++at;
            continue;
        }
        const std::size_t start = at;
        while (at < text.size() && !isSpace(text[at])) {
            ++at;
        }
        words.emplace_back(text, start, at - start);
    }
    return words;
}

std::string trimmed(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isSpace(text[first])) {
        ++first;
    }
    while (last > first && isSpace(text[last - 1])) {
        --last;
    }
    return text.substr(first, last - first);
}

std::string kindList() {
    std::string satellites;
    std::string parts;
    for (const Kind& kind : kinds) {
        std::string& list = kind.part ? parts : satellites;
        list += std::string(list.empty() ? "" : " ") + kind.name;
    }
    return satellites + ", and the parts " + parts;
}

// What the words of an orbit line say, as they are read.
struct OrbitLine {
    OrbitShape orbit{0.0, 0.0, 0.0, false};
    double anomaly = 0.0;
    long long count = 1;
    std::string perigeeText;
    std::string apogeeText;
    std::vector<std::string> seen;
    bool given(const char* name) const {
        return std::find(seen.begin(), seen.end(), name) != seen.end();
    }
};

// What the words of a ship line say.
struct ShipLine {
    ShipStart start{};
    std::vector<std::string> seen;
};

// A word of a line and how its values are read.
template <typename Line> struct LineWord {
    const char* name;
    void (*read)(Words& words, Line& line);
};

double readHeight(Words& words, const char* name, std::string& text) {
    const double height = words.number(name, std::string(name) + " needs its height, in km",
                                       kilometres, -maxDistance, maxDistance, "km");
    text = words.last();
    if (height < 0.0) {
        throw SceneError(std::string(name) + " " + text +
                         " is below the surface: heights are in km above it");
    }
    return height;
}

double readAngle(Words& words, const char* name) {
    return words.number(name, std::string(name) + " needs its angle, in degrees", asWritten,
                        -maxAngle, maxAngle, "degrees");
}

const LineWord<OrbitLine> orbitWords[] = {
    {"perigee",
     [](Words& w, OrbitLine& l) {
         l.orbit.perigeeHeight = readHeight(w, "perigee", l.perigeeText);
     }},
    {"apogee",
     [](Words& w, OrbitLine& l) { l.orbit.apogeeHeight = readHeight(w, "apogee", l.apogeeText); }},
    {"direction",
     [](Words& w, OrbitLine& l) { l.orbit.perigeeDirection = readAngle(w, "direction"); }},
    {"anomaly", [](Words& w, OrbitLine& l) { l.anomaly = readAngle(w, "anomaly"); }},
    {"count",
     [](Words& w, OrbitLine& l) {
         const double value = w.number("count", "count needs a number of objects", asWritten, 1.0,
                                       static_cast<double>(Scene::maxObjects), "objects");
         l.count = static_cast<long long>(value);
         if (static_cast<double>(l.count) != value) {
             throw SceneError("count " + w.last() + " is not a whole number");
         }
     }},
    {"clockwise", [](Words&, OrbitLine& l) { l.orbit.clockwise = true; }},
    {"anticlockwise", [](Words&, OrbitLine&) {}},
};

const LineWord<ShipLine> shipWords[] = {
    {"velocity",
     [](Words& w, ShipLine& l) {
         const std::string missing = "velocity needs dx and dy, in m/s";
         const double dx = w.number("dx", missing, asWritten, -maxSpeed, maxSpeed, "m/s");
         const double dy = w.number("dy", missing, asWritten, -maxSpeed, maxSpeed, "m/s");
         l.start.velocity = Velocity(dx, dy);
     }},
    {"heading",
     [](Words& w, ShipLine& l) {
         // The ship's own angle is the same bearing, in radians.
         l.start.heading = Angle(readAngle(w, "heading") * (twoPi / 360.0));
     }},
};

// The rest of a line's words, each at most once and in any order, read through the table.
template <typename Line, std::size_t N>
void readWords(Words& words, const LineWord<Line> (&table)[N], Line& line, const char* what) {
    while (!words.done()) {
        const std::string& key = words.take("");
        const LineWord<Line>* pWord = std::find_if(
            table, table + N, [&key](const LineWord<Line>& entry) { return key == entry.name; });
        if (pWord == table + N) {
            std::string names;
            for (const LineWord<Line>& entry : table) {
                names += std::string(names.empty() ? "" : " ") + entry.name;
            }
            throw SceneError(quoted(key) + " is not a word of " + what + "; its words are " +
                             names);
        }
        if (std::find(line.seen.begin(), line.seen.end(), key) != line.seen.end()) {
            throw SceneError(key + " is given twice");
        }
        line.seen.push_back(key);
        pWord->read(words, line);
    }
}

} // namespace

const char* Scene::kindName(int kind) { return kinds[kind].name; }

Population Scene::populate() const {
    Population population;
    population.objects.reserve(placements.size());
    for (const Placement& placement : placements) {
        population.objects.push_back(
            kinds[placement.kind].make(placement.position, placement.velocity));
    }
    if (shipChoice == ShipChoice::asBuilt) {
        population.ship = Ship::builtStart();
    } else if (shipChoice == ShipChoice::placed) {
        population.ship = ship;
    }
    return population;
}

void SceneReader::readAnyLine(const std::string& line) {
    if (line.size() > Scene::maxLineLength) {
        throw SceneError("a line longer than the limit of " + std::to_string(Scene::maxLineLength) +
                         " bytes");
    }
    bytesRead += line.size() + 1;
    if (bytesRead > Scene::maxTextSize) {
        throw SceneError("the scene runs past the limit of " + std::to_string(Scene::maxTextSize) +
                         " bytes");
    }
    const std::string text = line.substr(0, line.find('#'));
    const std::vector<std::string> words = wordsOf(text);
    if (words.empty()) {
        if (!trimmed(line).empty() && headerSeen) {
            scene.lines.push_back(trimmed(line));
        }
        return;
    }
    const std::string& first = words[0];
    if (!headerSeen) {
        const std::string header =
            std::string(Scene::format) + " " + std::to_string(Scene::version);
        if (first != Scene::format || words.size() < 2) {
            throw SceneError("not a scene: it must begin with '" + header + "'");
        }
        if (words[1] != std::to_string(Scene::version)) {
            throw SceneError("version " + escaped(words[1]) +
                             " of the scene format is not known here; " +
                             "this program reads version " + std::to_string(Scene::version));
        }
        Words(words.begin() + 2, words.end()).expectEnd("the header");
        headerSeen = true;
    } else if (first == "title") {
        if (titleSeen) {
            throw SceneError("the title is given twice");
        }
        scene.title = trimmed(text.substr(text.find(first) + first.size()));
        if (scene.title.empty()) {
            throw SceneError("title needs its text");
        }
        titleSeen = true;
    } else if (first == "ship") {
        if (shipSeen) {
            throw SceneError("the ship is given twice");
        }
        readShip(words.begin() + 1, words.end());
        shipSeen = true;
    } else {
        int kind = 0;
        while (kind < kindCount && first != kinds[kind].name) {
            ++kind;
        }
        if (kind == kindCount) {
            throw SceneError("unknown object " + quoted(first) + "; the satellites are " +
                             kindList() + "; a line may also give the title or the ship");
        }
        readObject(kind, words.begin() + 1, words.end());
    }
    scene.lines.push_back(trimmed(line));
}

std::string SceneReader::finish(Scene& read) {
    if (!headerSeen) {
        return std::string("not a scene: it is empty, and must begin with '") + Scene::format +
               " " + std::to_string(Scene::version) + "'";
    }
    if (!titleSeen) {
        return "the scene has no title line";
    }
    read = std::move(scene);
    return {};
}

void SceneReader::readObject(int kind, Words::Iterator word, Words::Iterator end) {
    Words words(word, end);
    const char* const name = kinds[kind].name;
    if (words.done()) {
        throw SceneError(std::string(name) +
                         " needs 'at X Y velocity DX DY' or 'orbit perigee HEIGHT ...'");
    }
    const std::string& form = words.take({});
    if (form == "at") {
        const double x =
            words.number("x", placeNeeded, kilometres, -maxDistance, maxDistance, "km");
        const double y =
            words.number("y", placeNeeded, kilometres, -maxDistance, maxDistance, "km");
        if (words.take(velocityNeeded) != "velocity") {
            throw SceneError(velocityNeeded);
        }
        const double dx = words.number("dx", velocityNeeded, asWritten, -maxSpeed, maxSpeed, "m/s");
        const double dy = words.number("dy", velocityNeeded, asWritten, -maxSpeed, maxSpeed, "m/s");
        words.expectEnd("the velocity");
        place(kind, Position(x, y), Velocity(dx, dy));
        return;
    }
    if (form != "orbit") {
        throw SceneError(std::string(name) +
                         " needs 'at X Y velocity DX DY' or 'orbit perigee HEIGHT ...', not " +
                         quoted(form));
    }
    OrbitLine line;
    readWords(words, orbitWords, line, "an orbit");
    if (line.given("clockwise") && line.given("anticlockwise")) {
        throw SceneError("clockwise and anticlockwise do not go together");
    }
    if (!line.given("perigee")) {
        throw SceneError("an orbit needs its perigee: 'orbit perigee HEIGHT', in km above the "
                         "surface");
    }
    if (!line.given("apogee")) {
        line.orbit.apogeeHeight = line.orbit.perigeeHeight;
    } else if (line.orbit.apogeeHeight < line.orbit.perigeeHeight) {
        throw SceneError("apogee " + line.apogeeText + " is below the perigee " + line.perigeeText);
    }
    if (scene.placements.size() + static_cast<std::size_t>(line.count) > Scene::maxObjects) {
        throw SceneError("more than " + std::to_string(Scene::maxObjects) +
                         " objects: a scene holds at most that many");
    }
    // Evenly spaced in angle about the Earth's centre, the first at the anomaly given.
    for (long long n = 0; n < line.count; ++n) {
        const double anomaly =
            line.anomaly + 360.0 * static_cast<double>(n) / static_cast<double>(line.count);
        const OrbitState state = stateOnOrbit(line.orbit, anomaly);
        place(kind, state.position, state.velocity);
    }
}

void SceneReader::readShip(Words::Iterator word, Words::Iterator end) {
    Words words(word, end);
    const std::string form = "ship needs 'at X Y', or 'none' for a world without one";
    const std::string& first = words.take(form);
    if (first == "none") {
        words.expectEnd("ship none");
        scene.shipChoice = Scene::ShipChoice::none;
        return;
    }
    if (first != "at") {
        throw SceneError(form);
    }
    ShipLine line;
    const double x = words.number("x", placeNeeded, kilometres, -maxDistance, maxDistance, "km");
    const double y = words.number("y", placeNeeded, kilometres, -maxDistance, maxDistance, "km");
    line.start.position = Position(x, y);
    readWords(words, shipWords, line, "the ship");
    scene.shipChoice = Scene::ShipChoice::placed;
    scene.ship = line.start;
}

void SceneReader::place(int kind, const Position& position, const Velocity& velocity) {
    if (scene.placements.size() >= Scene::maxObjects) {
        throw SceneError("more than " + std::to_string(Scene::maxObjects) +
                         " objects: a scene holds at most that many");
    }
    scene.placements.push_back({kind, position, velocity});
}
