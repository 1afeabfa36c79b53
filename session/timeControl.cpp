#include "session/timeControl.h"

void TimeControl::slower() {
    if (factor > 1) {
        factor /= 2;
    } else if (factor == 1) {
        factor = -2;
    } else if (factor > -4) {
        factor *= 2;
    }
}

void TimeControl::faster() {
    if (factor < -2) {
        factor /= 2;
    } else if (factor == -2) {
        factor = 1;
    } else if (factor < top) {
        factor *= 2;
    }
}

int TimeControl::nextShownFrame() {
    ++shownFrames;
    if (paused) {
        if (steps > 0) {
            --steps;
            return 1;
        }
        return 0;
    }
    if (factor < 0) {
        return shownFrames % -factor == 0 ? 1 : 0;
    }
    return factor;
}

std::string TimeControl::describe() const {
    if (paused) {
        return "paused";
    }
    return factor < 0 ? "x1/" + std::to_string(-factor) : "x" + std::to_string(factor);
}
