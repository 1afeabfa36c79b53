#pragma once

#include "session/figures.h"
#include "session/replay.h"
#include "session/timeControl.h"
#include "session/trails.h"
#include "session/windowOptions.h"
#include "simulation/simulator.h"
#include "window/uiInteract.h"

#include <fstream>
#include <memory>
#include <optional>
#include <string>

// The window program's session around the world's frames: it records what the keyboard does,
// or plays a replay and says at its end whether the world came out the same.
class WindowSession {
public:
    // Reads the scene, opens the file to record to, or reads the replay, before any window
    // opens. Throws InputError naming the file.
    explicit WindowSession(const WindowOptions& options);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // "Corvexa", or with a scene, "Corvexa: " and the scene's title.
    std::string windowTitle() const;

    // The session the window plays, once started; the page asks it for the replay to save.
    static WindowSession* active() { return activeSession; }

    // Once the window is open (it seeds the random numbers): builds the world.
    void start();
    // One shown frame: in plain play one world frame (the replay's keys, the world's frame,
    // the record); in the explore modes as many as the time controls say, and the overlays.
    void frame(WindowInterface& ui);
    // The window closed: the record's end line.
    void end();

    // An explore command, from the keyboard or the page; false when it is not one of the
    // mode's, so that its key goes on as a game key.
    bool command(Command command);
    // A replay's viewer goes to that frame, running the world there from the start when it
    // lies behind.
    void seek(long long frame);
    // The page shows the figures itself, beside the picture.
    void showFiguresOutside() { figuresOutside = true; }
    // The figures and the controls' state, as one JSON object, for the page; seekTarget is
    // the frame sought, -1 when none.
    std::string stateJson() const;

    const Simulator& getWorld() const { return *world; }
    long long getFrame() const { return frames; }

    // What was recorded so far, with an end line for the frames run, or the replay being
    // shown; empty when neither.
    std::string replayText() const;

private:
    // A frame of the world; one not seen draws nothing but what its random numbers need.
    void worldFrame(WindowInterface& ui, bool seen = true);
    void redraw() const;
    void drawOverlays() const;
    void buildNewWorld();
    void restartReplay();
    void replayEnded();
    void stopRecordingIfLost();
    Figures figures() const;
    // The replay's scene or the one given; null for the world as built.
    const Scene* playedScene() const;
    // A world of the scene played, or the world as built.
    std::unique_ptr<Simulator> newWorld() const;

    static inline WindowSession* activeSession = nullptr;

    WindowOptions options;
    std::optional<Scene> scene;
    std::ofstream recordFile;
    std::unique_ptr<ReplayWriter> writer;
    std::optional<Replay> replay;
    std::unique_ptr<ReplayVerdict> verdict;
    std::unique_ptr<KeyScriptCursor> replayKeys;
    std::size_t nextRebuild = 0;
    std::unique_ptr<Simulator> world;
    long long frames = 0;
    long long worldFrames = 0; // since this world was built
    bool replaying = false;
    bool recordingLost = false;

    // The explore modes (--explore, --replay and the page).
    bool exploring = false;
    TimeControl time;
    bool figuresShown = false;
    bool figuresOutside = false;
    bool trailsShown = false;
    Trails trails;
    bool newWorldAsked = false;
    long long seekTarget = -1; // -1: not seeking
};
