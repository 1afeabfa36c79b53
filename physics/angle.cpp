#include "physics/angle.h"

#include "physics/constants.h"

#include <cmath>

namespace {
// Beyond this many turns the stepwise loops below would take too long (or, where a step no
// longer changes the value, forever), so the magnitude is reduced exactly first.
constexpr double stepLimit = 1024.0 * twoPi;
} // namespace

void Angle::normalize() {
    if (!std::isfinite(radians)) {
        radians = 0.0;
        return;
    }
    if (std::fabs(radians) >= stepLimit) {
        radians = std::fmod(radians, twoPi);
    }
    // Stepwise rather than a remainder, so ordinary values round exactly as they always have;
    // a tiny negative value that rounds up to 2pi in the first loop ends as 0 in the second.
    while (radians < 0.0) {
        radians += twoPi;
    }
    while (radians >= twoPi) {
        radians -= twoPi;
    }
}
