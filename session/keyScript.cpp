#include "session/keyScript.h"

#include "session/input.h"

#include "window/keys.h"

#include <algorithm>
#include <istream>
#include <sstream>

namespace {

// An event with what decides its place: a bare key's release lands before the next frame's
// own events, and events of one frame otherwise keep the order of the script.
struct Placed {
    KeyEvent event;
    int phase;
    std::size_t sequence;
};

} // namespace

const char* keyName(int code) {
    const KeyBinding* pBinding = bindingOfCode(code);
    return pBinding != nullptr ? pBinding->name : nullptr;
}

KeyScript KeyScript::parse(std::istream& in, const std::string& sourceName) {
    std::vector<Placed> placed;
    std::string line;
    long long lastFrame = 0;
    long long lastFrameLine = 0;
    LineReader reader(in, sourceName);
    while (reader.next(line)) {
        const std::string where = reader.where();
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
        lastFrameLine = reader.getLineNumber();

        bool anyKey = false;
        while (words >> word) {
            anyKey = true;
            const char sign = word[0] == '+' || word[0] == '-' ? word[0] : '\0';
            const std::string name = sign != '\0' ? word.substr(1) : word;
            if (name.empty()) {
                throw InputError(where + "'" + word + "' names no key");
            }
            const KeyBinding* pKey = bindingOfName(name);
            if (pKey == nullptr) {
                throw InputError(where + "unknown key '" + excerpt(name) + "'; the keys are " +
                                 keyNames());
            }
            const bool sendsRelease = !pKey->releaseIsIgnored;
            if (sign != '-') {
                placed.push_back({{frame, pKey->code, true}, 1, placed.size()});
            }
            if (sendsRelease && sign == '-') {
                placed.push_back({{frame, pKey->code, false}, 1, placed.size()});
            }
            if (sendsRelease && sign == '\0' && frame < maxFrames) {
                placed.push_back({{frame + 1, pKey->code, false}, 0, placed.size()});
            }
        }
        if (!anyKey) {
            throw InputError(where + "frame " + std::to_string(frame) + " names no key");
        }
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
