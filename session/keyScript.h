#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// The highest frame number that a run or a script can name.
inline constexpr long long maxFrames = 2147483647;

// One key event as the window's key callbacks would hand it over, landing just before the
// frame of that number runs.
struct KeyEvent {
    long long frame; // 1 is the first frame
    int code;        // the code handed to WindowInterface::keyEvent
    bool pressed;
};

// The script's name of a key code (left, right, up, down, space, home); null for a key the
// program does not use.
const char* keyName(int code);

// A replayable list of key events, in the order in which they land.
//
// Text format, one line per frame that has keys; '#' starts a comment:
//   120 space         press space before frame 120
//   200 +left down    hold left from frame 200 on; down is seen by frame 200 only
//   260 -left         release left before frame 260
// A bare key is pressed before its frame and released before the next one; +key presses it
// and -key releases it. Frames never go back from one line to the next.
class KeyScript {
public:
    KeyScript() = default;

    // sourceName names the input in error messages, e.g. "keys.txt:7: unknown key 'lfet'".
    // Throws InputError.
    static KeyScript parse(std::istream& in, const std::string& sourceName);

    const std::vector<KeyEvent>& getEvents() const { return events; }

private:
    std::vector<KeyEvent> events;
};

// Hands a script's events out frame by frame, each once and in order, as they land before the
// frames that a session runs. The script must outlive it.
class KeyScriptCursor {
public:
    explicit KeyScriptCursor(const KeyScript& script) : events(&script.getEvents()) {}

    // Calls deliver(event) for each event not handed out yet that lands before the frame.
    template <typename Deliver> void deliverUpTo(long long frame, Deliver deliver) {
        for (; next < events->size() && (*events)[next].frame <= frame; ++next) {
            deliver((*events)[next]);
        }
    }

private:
    const std::vector<KeyEvent>* events;
    std::size_t next = 0;
};
