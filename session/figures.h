#pragma once

#include <string>
#include <vector>

class Simulator;

// The figures of the explore modes' panel, as the window draws them (H) and the page shows
// them beside its picture.
struct Figures {
    long long frame = 0;        // frames run in the session
    long long worldFrames = 0;  // since this world was built
    long long replayFrames = 0; // the replay's length, 0 when none is shown
    std::string speed;          // "x1", "paused"
    int satellites = 0;
    int parts = 0;
    int fragments = 0;
    int bullets = 0;
    long long breakUps = 0;
    bool shipAboard = true; // false in a scene without one
    bool shipAlive = true;
    double shipSpeed = 0.0;  // km/s
    double shipHeight = 0.0; // km above the surface
};

Figures takeFigures(const Simulator& world, long long frame, long long worldFrames);

// The panel's lines: time, frame, speed, objects, break-ups, the ship.
std::vector<std::string> figureLines(const Figures& figures);
// The lines in the picture's lower left corner, where the orbits pass least.
void drawFigures(const Figures& figures);
// A small arrow at the picture's edge toward the ship, when it is alive and out of sight.
void drawShipMarker(const Simulator& world);
// The figures as one JSON object, for the page.
std::string figuresJson(const Figures& figures);
