#pragma once

#include "session/replay.h"
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
    // Opens the file to record to, or reads the replay, before any window opens. Throws
    // InputError naming the file.
    explicit WindowSession(const WindowOptions& options);
    ~WindowSession();
    WindowSession(const WindowSession&) = delete;
    WindowSession& operator=(const WindowSession&) = delete;

    // The session the window plays, once started; the page asks it for the replay to save.
    static WindowSession* active() { return activeSession; }

    // Once the window is open (it seeds the random numbers): builds the world.
    void start();
    // One frame: the replay's keys, the world's frame, the record.
    void frame(WindowInterface& ui);
    // The window closed: the record's end line.
    void end();

    // What was recorded so far, with an end line for the frames run, or the replay being
    // shown; empty when neither.
    std::string replayText() const;

private:
    void replayEnded();
    void stopRecordingIfLost();

    static inline WindowSession* activeSession = nullptr;

    WindowOptions options;
    std::ofstream recordFile;
    std::unique_ptr<ReplayWriter> writer;
    std::optional<Replay> replay;
    std::unique_ptr<ReplayVerdict> verdict;
    std::unique_ptr<KeyScriptCursor> replayKeys;
    std::unique_ptr<Simulator> world;
    long long frames = 0;
    bool replaying = false;
    bool recordingLost = false;
};
