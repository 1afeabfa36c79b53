#include "session/sceneInput.h"

#include "session/input.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>

namespace {

std::string errorOf(const std::string& text) {
    try {
        std::istringstream in(text);
        readScene(in, "bad.scene");
    } catch (const InputError& error) {
        return error.what();
    }
    return "(accepted)";
}

} // namespace

TEST(SceneInput, NamesTheFileTheLineAndTheProblemOfABadScene) {
    const std::string head = "corvexa-scene 1\ntitle Bad\n";
    for (const auto& [text, message] : {
             std::pair{std::string(), "bad.scene: not a scene: it is empty, and must begin with "
                                      "'corvexa-scene 1'"},
             {"# a comment\ncorvexa-scene 2\n", "bad.scene:2: version 2 of the scene format is "
                                                "not known here; this program reads version 1"},
             {"corvexa-replay 2\n", "bad.scene:1: not a scene: it must begin with "
                                    "'corvexa-scene 1'"},
             {"corvexa-scene 1\n", "bad.scene: the scene has no title line"},
             {head + "title Again\n", "bad.scene:3: the title is given twice"},
             {head + "gsp at 0 0 velocity 0 0\n",
              "bad.scene:3: unknown object 'gsp'; the satellites are sputnik hubble gps "
              "starlink crewdragon, and the parts gps-center gps-left gps-right"},
             {head + "\n\ngps orbit perigee -100\n",
              "bad.scene:5: perigee -100 is below the surface: heights are in km above it"},
             {head + "gps orbit apogee 300 perigee 500\n",
              "bad.scene:3: apogee 300 is below the perigee 500"},
             {head + "gps orbit apogee 300\n", "bad.scene:3: an orbit needs its perigee"},
             {head + "gps at nan 0 velocity 0 0\n",
              "bad.scene:3: x 'nan' is not a number written in decimals, like -1234.5"},
             {head + "gps at 0 1e400 velocity 0 0\n", "bad.scene:3: y '1e400' is not a number"},
             {head + "gps at 0 0 velocity -inf 0\n", "bad.scene:3: dx '-inf' is not a number"},
             {head + "gps at 0 1000001 velocity 0 0\n",
              "bad.scene:3: y 1000001 is out of range (-1000000 to 1000000 km)"},
             {head + "gps at 0 0 velocity 0 100000.5\n",
              "bad.scene:3: dy 100000.5 is out of range (-100000 to 100000 m/s)"},
             {head + "gps at 1.23456789012345678 0 velocity 0 0\n",
              "bad.scene:3: x '1.23456789012345678' has more than 15 decimals"},
             {head + "gps at 12345678901.234567 0 velocity 0 0\n",
              "bad.scene:3: x '12345678901.234567' has more than 15 significant digits"},
             {head + "gps at 0 0\n", "bad.scene:3: after 'at X Y' comes 'velocity DX DY'"},
             {head + "gps orbit perigee 500 count 2.5\n",
              "bad.scene:3: count 2.5 is not a whole number"},
             {head + "gps orbit perigee 500 count 60000\nstarlink-body orbit perigee 900 "
                     "count 40001\n",
              "bad.scene:4: more than 100000 objects: a scene holds at most that many"},
             {head + "gps orbit perigee 500 clockwise anticlockwise\n",
              "bad.scene:3: clockwise and anticlockwise do not go together"},
             {head + "gps orbit perigee 500 tilt 3\n",
              "bad.scene:3: 'tilt' is not a word of an orbit"},
             {head + "ship at 0 0 heading 400\n",
              "bad.scene:3: heading 400 is out of range (-360 to 360 degrees)"},
             {head + "ship none\nship none\n", "bad.scene:4: the ship is given twice"},
             {head + "#" + std::string(4000, 'x') + "\n",
              "bad.scene:3: a line longer than the limit of 4000 bytes"},
             {head + "#" + std::string(3999, 'x') + "\r\n", "(accepted)"},
         }) {
        EXPECT_EQ(errorOf(text).substr(0, std::string(message).size()), message);
    }
    // Past 2 MB, the reading stops at the line that crosses the bound.
    std::string huge = head;
    while (huge.size() <= Scene::maxTextSize) {
        huge += "#" + std::string(3999, 'x') + "\n";
    }
    EXPECT_EQ(errorOf(huge), "bad.scene:527: the scene runs past the limit of 2097152 bytes");
}
