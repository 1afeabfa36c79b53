#include "session/figures.h"

#include <gtest/gtest.h>

#include <string>

// The panel's last line says what became of the ship, and what the reader can do about it.
TEST(Figures, TheShipLineSaysWhatBecameOfItAndWhatRDoes) {
    struct Case {
        bool aboard;
        bool alive;
        long long replayFrames;
        const char* line;
    };
    const Case cases[] = {
        {true, true, 0, "Ship 7.66 km/s, 408 km up"},
        {true, false, 0, "Ship destroyed: R starts a new world"},
        {true, false, 900, "Ship destroyed"}, // a replay's viewer makes no new world
        {false, false, 0, "No ship in this scene"},
    };
    for (const Case& each : cases) {
        Figures figures;
        figures.shipAboard = each.aboard;
        figures.shipAlive = each.alive;
        figures.replayFrames = each.replayFrames;
        figures.shipSpeed = 7.6649;
        figures.shipHeight = 408.2;
        EXPECT_EQ(figureLines(figures).back(), each.line);
        const std::string json = figuresJson(figures);
        EXPECT_NE(json.find(std::string("\"shipAboard\":") + (each.aboard ? "true" : "false")),
                  std::string::npos)
            << json;
    }
}
