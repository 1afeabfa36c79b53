#pragma once

// Values the whole program shares, each written once, with its unit.

inline constexpr double timeStep = 48.0;        // simulated seconds per frame
inline constexpr double runningZoom = 100000.0; // metres per pixel while the simulation runs

// The window's pace: a frame is due one period after the last was shown, and one that comes
// early waits a fixed time more.
inline constexpr double framePeriod = 1.0 / 30.0;  // seconds
inline constexpr unsigned int earlyFrameWait = 35; // milliseconds

inline constexpr int windowWidth = 700;  // pixels
inline constexpr int windowHeight = 500; // pixels
inline constexpr const char* windowTitle = "Corvexa";

// One turn, written to the last digit so that every platform rounds the same.
inline constexpr double twoPi = 6.283185307179586; // radians

inline constexpr double earthRadius = 6378000.0;  // metres
inline constexpr double surfaceGravity = 9.80665; // g0, metres per second squared
inline constexpr double earthMu = surfaceGravity * earthRadius * earthRadius; // m^3/s^2
