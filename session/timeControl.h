#pragma once

#include <string>

// How the shown frames of the explore modes turn into world frames: paused, one frame at a
// time, or a speed from a quarter of the window's pace to 8 (a replay's viewer: 64) times it.
// Faster runs several world frames per shown frame; slower runs one every second or fourth.
// Each world frame is a whole frame, so the world is the same whatever the speed.
class TimeControl {
public:
    explicit TimeControl(int fastest) : top(fastest) {}

    void togglePause() { paused = !paused; }
    // Paused: the next shown frame runs one world frame.
    void step() { steps += paused ? 1 : 0; }
    void slower();
    void faster();
    bool isPaused() const { return paused; }

    // The world frames that the next shown frame runs.
    int nextShownFrame();
    // "x1/4", "x1", "x8" or "paused".
    std::string describe() const;

private:
    // The speed as a signed factor: -4 and -2 for a quarter and a half.
    int factor = 1;
    int top;
    bool paused = false;
    int steps = 0;
    long long shownFrames = 0;
};
