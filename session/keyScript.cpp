#include "session/keyScript.h"

#include "session/input.h"

#include "graphics/graphics.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <sstream>

namespace {

// The letters stand for the arrow keys, as in the window.
struct KeyName {
    const char* name;
    int code;
    // The window ignores the space bar's release: only the end of a frame clears a shot.
    bool sendsRelease;
};
constexpr KeyName keyNames[] = {
    {"left", graphics::keyLeft, true},
    {"a", graphics::keyLeft, true},
    {"right", graphics::keyRight, true},
    {"d", graphics::keyRight, true},
    {"up", graphics::keyUp, true},
    {"s", graphics::keyUp, true},
    {"down", graphics::keyDown, true},
    {"w", graphics::keyDown, true},
    {"space", ' ', false},
    {"home", graphics::keyHome, true},
};

const KeyName* findKey(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const KeyName& key : keyNames) {
        if (name == key.name) {
            return &key;
        }
    }
    return nullptr;
}

// An event with what decides its place: a bare key's release lands before the next frame's
// own events, and events of one frame otherwise keep the order of the script.
struct Placed {
    KeyEvent event;
    int phase;
    std::size_t sequence;
};

} // namespace

// The arrows' own names come before the letters' in the table.
const char* keyName(int code) {
    for (const KeyName& key : keyNames) {
        if (key.code == code) {
            return key.name;
        }
    }
    return nullptr;
}

KeyScript KeyScript::parse(std::istream& in, const std::string& sourceName) {
    std::vector<Placed> placed;
    std::string line;
    long long lineNumber = 0;
    long long lastFrame = 0;
    long long lastFrameLine = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = sourceName + ":" + std::to_string(lineNumber) + ": ";
        std::istringstream words(line.substr(0, line.find('#')));
        std::string word;
        if (!(words >> word)) {
            continue;
        }
        const auto frame = static_cast<long long>(
            parseWholeNumber(word, static_cast<unsigned long long>(maxFrames), where + "frame "));
        if (frame == 0) {
            throw InputError(where + "frame 0 does not exist; the first frame is 1");
        }
        if (frame < lastFrame) {
            throw InputError(where + "frame " + std::to_string(frame) + " comes after frame " +
                             std::to_string(lastFrame) + " on line " +
                             std::to_string(lastFrameLine) + "; frames must not go back");
        }
        lastFrame = frame;
        lastFrameLine = lineNumber;

        bool anyKey = false;
        while (words >> word) {
            anyKey = true;
            const char sign = word[0] == '+' || word[0] == '-' ? word[0] : '\0';
            const std::string name = sign != '\0' ? word.substr(1) : word;
            if (name.empty()) {
                throw InputError(where + "'" + word + "' names no key");
            }
            const KeyName* pKey = findKey(name);
            if (pKey == nullptr) {
                throw InputError(where + "unknown key '" + name +
                                 "'; the keys are left right up down space home a d s w");
            }
            if (sign != '-') {
                placed.push_back({{frame, pKey->code, true}, 1, placed.size()});
            }
            if (pKey->sendsRelease && sign == '-') {
                placed.push_back({{frame, pKey->code, false}, 1, placed.size()});
            }
            if (pKey->sendsRelease && sign == '\0' && frame < maxFrames) {
                placed.push_back({{frame + 1, pKey->code, false}, 0, placed.size()});
            }
        }
        if (!anyKey) {
            throw InputError(where + "frame " + std::to_string(frame) + " names no key");
        }
    }
    if (in.bad()) {
        throw InputError(sourceName + ": cannot be read");
    }

    std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        if (a.event.frame != b.event.frame) {
            return a.event.frame < b.event.frame;
        }
        if (a.phase != b.phase) {
            return a.phase < b.phase;
        }
        return a.sequence < b.sequence;
    });
    KeyScript script;
    for (const Placed& entry : placed) {
        script.events.push_back(entry.event);
    }
    return script;
}
