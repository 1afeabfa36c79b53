#pragma once

#include "scene/scene.h"
#include "simulation/simulator.h"
#include "session/census.h"
#include "session/keyScript.h"
#include "session/replay.h"
#include "window/uiInteract.h"

#include <memory>
#include <vector>

// The world of the window program, driven frame by frame without a window: the same key
// state, the same frame (input, advance and drawing, which the program's backend answers), and
// the same key ageing at the end of each frame.
class HeadlessSession {
public:
    // Seeds the C library's generator and builds the world at the running scale, the scene's
    // or else the world as built, with no key held, to replay the script. The previous scale
    // comes back when the session ends. A replay's new worlds are built where it says, each
    // from its seed and from the same scene. The scene must outlive the session.
    explicit HeadlessSession(unsigned int seed, KeyScript script = KeyScript(),
                             std::vector<Replay::Rebuild> rebuilds = {},
                             const Scene* scene = nullptr);
    ~HeadlessSession();

    HeadlessSession(const HeadlessSession&) = delete;
    HeadlessSession& operator=(const HeadlessSession&) = delete;

    // The script's events for the next frame reach the key state, as the window's key
    // callbacks between two frames would, then the frame runs.
    void runFrame();

    // Frames run so far.
    long long getFrame() const { return frame; }
    const Simulator& getWorld() const { return *world; }
    // For scenes that add objects of their own through the world's public operations.
    Simulator& getWorld() { return *world; }

private:
    // Done before the world is built, as the window program does: the ship's start is given
    // in pixels, and the seed comes before anything random.
    struct Start {
        explicit Start(unsigned int seed);
        ~Start();
        double savedZoom;
    };

    // The scene's world, or else the world as built.
    std::unique_ptr<Simulator> newWorld() const;

    Start start;
    const Scene* scene;
    std::unique_ptr<Simulator> world;
    WindowInterface ui;
    KeyScript script;
    KeyScriptCursor cursor{script};
    std::vector<Replay::Rebuild> rebuilds;
    std::size_t nextRebuild = 0;
    long long frame = 0;
};

inline Census takeCensus(const HeadlessSession& session) {
    return takeCensus(session.getWorld(), session.getFrame());
}
