#include "session/keyScript.h"

#include "session/input.h"

#include "graphics/graphics.h"
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<KeyEvent> eventsOf(const std::string& text) {
    std::istringstream in(text);
    return KeyScript::parse(in, "keys").getEvents();
}

std::string errorOf(const std::string& text) {
    std::istringstream in(text);
    try {
        KeyScript::parse(in, "keys");
    } catch (const InputError& error) {
        return error.what();
    }
    return "(accepted)";
}

void expectEvent(const KeyEvent& event, long long frame, int code, bool pressed) {
    EXPECT_EQ(event.frame, frame);
    EXPECT_EQ(event.code, code);
    EXPECT_EQ(event.pressed, pressed);
}

} // namespace

TEST(KeyScript, PlacesEachEventJustBeforeItsFrameAsTheWindowWouldSendIt) {
    const auto events = eventsOf("# warm-up\n"
                                 "\n"
                                 "3 +LEFT d   # hold left, tap right\n"
                                 "3 space\n"
                                 "4 -a home\n"
                                 "7 -space +w\n"
                                 "8 s\r\n"
                                 "2147483647 up\n");
    ASSERT_EQ(events.size(), 11U);
    expectEvent(events[0], 3, graphics::keyLeft, true);
    expectEvent(events[1], 3, graphics::keyRight, true);
    expectEvent(events[2], 3, ' ', true);
    // The tapped key lets go before the next frame's own keys; the space bar sends no release.
    expectEvent(events[3], 4, graphics::keyRight, false);
    expectEvent(events[4], 4, graphics::keyLeft, false);
    expectEvent(events[5], 4, graphics::keyHome, true);
    expectEvent(events[6], 5, graphics::keyHome, false);
    expectEvent(events[7], 7, graphics::keyDown, true);
    expectEvent(events[8], 8, graphics::keyUp, true);
    expectEvent(events[9], 9, graphics::keyUp, false);
    // No frame follows the last one, so nothing is released after it.
    expectEvent(events[10], 2147483647, graphics::keyUp, true);

    EXPECT_TRUE(eventsOf("").empty());
    EXPECT_TRUE(eventsOf("# nothing but a comment\n   \n").empty());
}

TEST(KeyScript, NamesTheLineAndTheProblemOfABadLine) {
    EXPECT_EQ(errorOf("abc space"), "keys:1: frame 'abc' is not a whole number");
    EXPECT_EQ(errorOf("+5 space"), "keys:1: frame '+5' is not a whole number");
    EXPECT_EQ(errorOf("1.5 space"), "keys:1: frame '1.5' is not a whole number");
    EXPECT_EQ(errorOf("-5 space"), "keys:1: frame -5 is negative");
    EXPECT_EQ(errorOf("0 space"), "keys:1: frame 0 does not exist; the first frame is 1");
    EXPECT_EQ(errorOf("2147483648 space"),
              "keys:1: frame 2147483648 is too large (at most 2147483647)");
    EXPECT_EQ(errorOf("123456789012345678901234567890 space"),
              "keys:1: frame 123456789012345678901234567890 is too large (at most 2147483647)");
    EXPECT_EQ(errorOf("1 space\n12 # keys forgotten"), "keys:2: frame 12 names no key");
    EXPECT_EQ(errorOf("1 space\n\n# a comment\n12 lfet"),
              "keys:4: unknown key 'lfet'; the keys are left right up down space home a d s w");
    EXPECT_EQ(errorOf("12 +"), "keys:1: '+' names no key");
    EXPECT_EQ(errorOf("12 left -"), "keys:1: '-' names no key");
    EXPECT_EQ(errorOf("12 ++left"),
              "keys:1: unknown key '+left'; the keys are left right up down space home a d s w");
    EXPECT_EQ(errorOf("5 space\n5 left\n\n3 left"),
              "keys:4: frame 3 comes after frame 5 on line 2; frames must not go back");
}
