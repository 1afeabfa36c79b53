#pragma once

#include "scene/scene.h"
#include "session/census.h"
#include "session/keyScript.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

// A session kept to be played again: the seed, the scene when it ran one, then every key event
// in the order the window's key callbacks delivered it, and checks of the world along the way.
// The text, line by line:
//   corvexa-replay 2                  the format and its version (1 has no scene or world lines)
//   seed 1733650000
//   scene corvexa-scene 1             the scene's lines, each after "scene "; without them,
//   scene title A ring of GPS         the world as built
//   scene gps orbit perigee 20182 count 24
//   12 +left                          key events, as in a key script, landing before frame 12
//   15 -left +home -home              a Home tapped between two frames fires nothing
//   check 100 satellites=10 ...       the world after frame 100
//   world 150 1733650123              after frame 150, a new world (the scene's again) from
//                                     that seed
//   end 1234 satellites=10 ...        the session ended after frame 1 234
// '#' starts a comment. A recording that was cut short has no end line; it plays to its last
// check or event.
class Replay {
public:
    static constexpr const char* format = "corvexa-replay";
    static constexpr int version = 2;

    // After frame, the world was built anew from the seed; the frames go on counting.
    struct Rebuild {
        long long frame;
        unsigned int seed;
    };
    // Each line of a scene carried, after the seed.
    static constexpr const char* sceneWord = "scene";

    // sourceName names the input in error messages. Throws InputError.
    static Replay parse(std::istream& in, const std::string& sourceName);

    unsigned int getSeed() const { return seed; }
    // Null for the world as built.
    const Scene* getScene() const { return scene.get(); }
    const KeyScript& getScript() const { return script; }
    // Each check's frame and figures.
    const std::vector<Census>& getChecks() const { return checks; }
    const std::vector<Rebuild>& getRebuilds() const { return rebuilds; }
    bool hasEnd() const { return ended; }
    // Frames to play: the end's, or else the last frame that a check or an event names.
    long long getLastFrame() const { return lastFrame; }
    // Refuses, naming the replay, one that runs past the limit; raiseWith says how to raise it.
    // Throws InputError.
    void checkLength(long long limit, const std::string& raiseWith) const;

private:
    unsigned int seed = 1;
    // Shared by the copies of a replay, which never change it.
    std::shared_ptr<const Scene> scene;
    KeyScript script;
    std::vector<Census> checks;
    std::vector<Rebuild> rebuilds;
    bool ended = false;
    long long lastFrame = 0;
    std::string name;
};

// Writes a replay as the session goes, each line flushed at once, so that a session that is
// killed leaves every line up to its last.
class ReplayWriter {
public:
    // How often the world is checked: about every 3.7 s of the window's play.
    static constexpr long long checkEvery = 100;

    // scene, when not null, is the scene the session runs.
    ReplayWriter(std::ostream& output, unsigned int seed, const Scene* scene = nullptr);

    void keyEvent(long long frame, int code, bool pressed);
    void worldRebuilt(long long frame, unsigned int seed);
    // After each frame; writes a check of the world every checkEvery frames.
    void frameEnded(const Simulator& world, long long frame);
    void end(const Simulator& world, long long frame);
    // Why a line could not be written, from the first that failed; empty while all went well.
    const std::string& getFailure() const { return failure; }

private:
    void writeLine(const std::string& line);

    std::ostream& out;
    std::string failure;
};

// A check or end line: "check 300 satellites=10 parts=0 ... world=0123456789abcdef".
std::string checkLine(const char* kind, const Census& census);

// Plays a replay's checks against a world, after each frame; the world's census is taken only
// for the frames the replay checks.
class ReplayVerdict {
public:
    explicit ReplayVerdict(const Replay& played) : replay(played) {}

    void afterFrame(const Simulator& world, long long frame);
    bool differs() const { return !difference.empty(); }
    // After that many frames: "replay matches", or "replay differs at frame 300: fragments 12
    // recorded, 11 replayed"; a match says so when it stopped short of the replay's end or
    // when the recording has no end line.
    std::string describe(long long framesRun) const;

private:
    const Replay& replay;
    std::size_t nextCheck = 0;
    std::string difference;
};
