#pragma once

#include "physics/constants.h"

// When the page runs its frames: at the window's pace, from the browser's display refreshes.
//
// The window (window/uiInteract.cpp) holds a frame whose work took less than the frame period
// back for 35 ms more, so a frame whose callback takes c ms lasts c + 35 ms, and c once c
// reaches the period. The page cannot wait; it runs a frame at the first refresh at or after
// the time it is due, and counts the next one from when this one was due, not from the refresh
// it landed on, so that on a display of any rate the frames keep the window's pace on average.
// A frame due more than a whole frame ago (the tab was hidden, the context lost, the machine
// too slow) starts the count again from now: there is no burst of frames to catch up.
class FrameSchedule {
public:
    // Milliseconds, as the window counts them: whole clock ticks.
    static constexpr double framePeriod = static_cast<int>(::framePeriod * 1000);
    static constexpr double earlyFrameWait = ::earlyFrameWait;

    // Whether a frame runs at the display refresh of this time stamp, in milliseconds.
    bool due(double refreshTime) {
        if (!started || refreshTime - nextDue > lastLength) {
            started = true;
            nextDue = refreshTime;
        }
        return refreshTime >= nextDue;
    }

    // After a frame ran: how long its work took, in milliseconds.
    void ran(double workMilliseconds) {
        lastLength = frameLength(workMilliseconds);
        nextDue += lastLength;
    }

    // How long the window's frame lasts when its work takes this long.
    static double frameLength(double workMilliseconds) {
        return workMilliseconds < framePeriod ? workMilliseconds + earlyFrameWait
                                              : workMilliseconds;
    }

private:
    bool started = false;
    double nextDue = 0.0;
    double lastLength = earlyFrameWait;
};
