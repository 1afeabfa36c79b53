#include "graphics/frameSchedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// The refreshes of a display of this rate from one time to another, in milliseconds, with the
// tenths of a millisecond of jitter that the browser's time stamps show.
std::vector<double> refreshes(double hertz, double from, double to) {
    std::vector<double> times;
    for (int k = 0; from + k * 1000.0 / hertz < to; ++k) {
        times.push_back(from + k * 1000.0 / hertz + ((k * 7) % 5 - 2) * 0.1);
    }
    return times;
}

// The refreshes at which frames ran, each frame's work taking this long; refreshes that come
// while a frame is still at work are missed, as in the browser.
std::vector<double> run(FrameSchedule& schedule, const std::vector<double>& times, double work) {
    std::vector<double> frames;
    double busyUntil = -1.0e9;
    for (const double t : times) {
        if (t >= busyUntil && schedule.due(t)) {
            frames.push_back(t);
            schedule.ran(work);
            busyUntil = t + work;
        }
    }
    return frames;
}

double meanGap(const std::vector<double>& frames) {
    return (frames.back() - frames.front()) / static_cast<double>(frames.size() - 1);
}

double shortestGap(const std::vector<double>& frames, std::size_t from = 1) {
    double shortest = 1.0e9;
    for (std::size_t i = from; i < frames.size(); ++i) {
        shortest = std::min(shortest, frames[i] - frames[i - 1]);
    }
    return shortest;
}

} // namespace

TEST(FrameSchedule, KeepsTheWindowsPaceOnDisplaysOfEveryCommonRate) {
    for (const double hertz : {60.0, 75.0, 90.0, 120.0, 144.0}) {
        const double refresh = 1000.0 / hertz;
        // Light frames last their work and 35 ms, as in the window; the frames spread over
        // refreshes two and three apart at 60 Hz, yet the mean holds.
        FrameSchedule light;
        const std::vector<double> frames = run(light, refreshes(hertz, 5.0, 10005.0), 1.5);
        EXPECT_NEAR(meanGap(frames), 36.5, 36.5 * 0.03) << hertz << " Hz";
        EXPECT_GT(shortestGap(frames), 36.5 - refresh - 0.5) << hertz << " Hz";
        // Frames whose work takes the whole period are not held back at all.
        FrameSchedule heavy;
        const double work = 34.0;
        const double expected = refresh * std::ceil(work / refresh);
        EXPECT_NEAR(meanGap(run(heavy, refreshes(hertz, 5.0, 10005.0), work)), expected, 0.5)
            << hertz << " Hz";
    }
    EXPECT_EQ(FrameSchedule::frameLength(2.0), 37.0);
    EXPECT_EQ(FrameSchedule::frameLength(40.0), 40.0);
}

TEST(FrameSchedule, GoesOnWithoutABurstAfterAHiddenTab) {
    FrameSchedule schedule;
    const std::size_t before = run(schedule, refreshes(60.0, 0.0, 2000.0), 1.5).size();
    // Five seconds without refreshes, then two more seconds.
    const std::vector<double> after = run(schedule, refreshes(60.0, 7000.0, 9000.0), 1.5);
    EXPECT_NEAR(static_cast<double>(before), 2000.0 / 36.5, 1.0);
    ASSERT_FALSE(after.empty());
    EXPECT_LT(after.front(), 7000.0 + 17.0);
    EXPECT_GT(shortestGap(after), 36.5 - 1000.0 / 60.0 - 0.5);
    EXPECT_NEAR(static_cast<double>(after.size()), 2000.0 / 36.5, 1.0);
}
