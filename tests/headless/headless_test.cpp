#include "headless/headless.h"

#include "session/input.h"
#include "session/windowOptions.h"

#include "support/quietDrawing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using HeadlessMain = QuietDrawing;

namespace {

std::string errorOf(const std::vector<std::string>& arguments) {
    try {
        parseOptions(arguments);
    } catch (const InputError& error) {
        return error.what();
    }
    return "(accepted)";
}

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome runMain(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = headlessMain(arguments, in, out, err);
    return {status, out.str(), err.str()};
}

} // namespace

TEST(HeadlessOptions, ReadsEachOptionAndKeepsTheDefaultsOtherwise) {
    const Options none = parseOptions({});
    EXPECT_EQ(none.frames, 10000);
    EXPECT_EQ(none.seed, 1U);
    EXPECT_EQ(none.every, 1);
    EXPECT_TRUE(none.keysPath.empty());
    EXPECT_FALSE(none.finalOnly);
    EXPECT_FALSE(none.help);

    const Options all =
        parseOptions({"--seed", "4294967295", "--frames", "0", "--keys", "-", "--every", "25"});
    EXPECT_EQ(all.seed, 4294967295U);
    EXPECT_EQ(all.frames, 0);
    EXPECT_EQ(all.keysPath, "-");
    EXPECT_EQ(all.every, 25);

    EXPECT_TRUE(parseOptions({"--final", "--seed", "0"}).finalOnly);
    EXPECT_EQ(parseOptions({"--frames", "2147483647"}).frames, 2147483647);
    EXPECT_TRUE(parseOptions({"--frames", "5", "--help", "--unknown"}).help);
    EXPECT_EQ(parseOptions({"--frames=12"}).frames, 12);
}

// Both programs' options, declared once each, refused with the parser's message.
TEST(CommandLines, RejectBadOptionsWithAClearMessage) {
    const auto windowErrorOf = [](std::vector<std::string> arguments) -> std::string {
        arguments.insert(arguments.begin(), "corvexa");
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        try {
            parseWindowOptions(static_cast<int>(argv.size()), argv.data());
        } catch (const InputError& error) {
            return error.what();
        }
        return "(accepted)";
    };
    const struct {
        bool window;
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {false, {"--fast"}, "The following argument was not expected: --fast"},
        {false, {"run.csv"}, "The following argument was not expected: run.csv"},
        {false, {"--frames"}, "--frames: 1 required N missing"},
        {false, {"--keys", ""}, "--keys: needs a file name, or - for standard input"},
        {false, {"--frames", "ten"}, "--frames: 'ten' is not a whole number"},
        {false, {"--frames", "-1"}, "--frames: -1 is negative"},
        {false,
         {"--frames", "2147483648"},
         "--frames: 2147483648 is too large (at most 2147483647)"},
        {false, {"--seed", "4294967296"}, "--seed: 4294967296 is too large (at most 4294967295)"},
        {false, {"--seed", "0x10"}, "--seed: '0x10' is not a whole number"},
        {false, {"--seed", "\x1b[2J"}, "--seed: '\\x1B[2J' is not a whole number"},
        {false, {"--every", "0"}, "--every: 0 is below 1"},
        {false, {"--max-frames", "0"}, "--max-frames: 0 is below 1"},
        {false, {"--frames", "3", "--frames", "3"}, "--frames: At Most 1 required but received 2"},
        {false, {"--every", "1", "--final"}, "--every excludes --final"},
        {false, {"--verify", "r", "--keys", "k"}, "--keys excludes --verify"},
        {false, {"--accuracy", "--accuracy-orbit"}, "--accuracy excludes --accuracy-orbit"},
        {false,
         {"--save-replay", "--frames", "3"},
         "--save-replay: needs a file name, not the option --frames"},
        {true,
         {"--record", "--replay", "f"},
         "--record: needs a file name, not the option --replay"},
        {true, {"--record", "x", "--replay", "y"}, "--record excludes --replay"},
        {true, {"--record"}, "--record: 1 required FILE missing"},
        {true, {"--replay", ""}, "--replay: needs a file name"},
        {true, {"--max-frames", "many"}, "--max-frames: 'many' is not a whole number"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.window ? windowErrorOf(c.arguments) : errorOf(c.arguments), c.message)
            << (c.window ? "corvexa" : "corvexa-headless") << " " << c.arguments.front();
    }
    // What is not the window's own goes to the toolkit, in order.
    char* argv[] = {const_cast<char*>("corvexa"),  const_cast<char*>("-geometry"),
                    const_cast<char*>("800x600"),  const_cast<char*>("--TEST"),
                    const_cast<char*>("--record"), const_cast<char*>("f"),
                    const_cast<char*>("--tests")};
    const WindowOptions window = parseWindowOptions(7, argv);
    EXPECT_EQ(window.mode, WindowOptions::Mode::record);
    EXPECT_EQ(window.toolkitArguments,
              (std::vector<std::string>{"corvexa", "-geometry", "800x600", "--TEST", "--tests"}));
}

TEST_F(HeadlessMain, BadInputEndsWithStatusTwoAMessageAndNoReport) {
    const Outcome badOption = runMain({"--seed", "x"});
    EXPECT_EQ(badOption.status, 2);
    EXPECT_EQ(badOption.out, "");
    EXPECT_EQ(badOption.err, "corvexa-headless: --seed: 'x' is not a whole number\n"
                             "Try 'corvexa-headless --help'.\n");

    const Outcome badScript = runMain({"--keys", "-", "--frames", "5"}, "1 space\n2 jump\n");
    EXPECT_EQ(badScript.status, 2);
    EXPECT_EQ(badScript.out, "");
    EXPECT_NE(badScript.err.find("standard input:2: unknown key 'jump'"), std::string::npos);

    const Outcome missing = runMain({"--keys", "no/such/file.keys"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.out, "");
    EXPECT_NE(missing.err.find("no/such/file.keys: cannot be read"), std::string::npos);

    const Outcome help = runMain({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, usage());
    EXPECT_NE(help.out.find("--max-frames N"), std::string::npos);
    EXPECT_EQ(help.err, "");
}

TEST_F(HeadlessMain, WritesTheHeaderThenTheChosenRows) {
    const std::string header =
        "frame,seconds,satellites,parts,fragments,bullets,ship,created,breakups,energy\n";
    const Outcome every = runMain({"--frames", "7", "--every", "3"});
    EXPECT_EQ(every.status, 0);
    EXPECT_EQ(every.err, "");
    ASSERT_EQ(every.out.rfind(header, 0), 0U);
    // Frame 0, every third frame, and the last one even off the beat.
    std::istringstream rows(every.out.substr(header.size()));
    std::vector<std::string> frames;
    for (std::string row; std::getline(rows, row);) {
        frames.push_back(row.substr(0, row.find(',')));
    }
    EXPECT_EQ(frames, (std::vector<std::string>{"0", "3", "6", "7"}));

    const Outcome last = runMain({"--frames", "7", "--final"});
    EXPECT_EQ(last.out.rfind(header + "7,336,10,0,0,0,1,0,0,", 0), 0U);
    EXPECT_EQ(last.out.find('\n', header.size()), last.out.size() - 1);

    const Outcome none = runMain({"--frames", "0", "--final"});
    EXPECT_EQ(none.out.rfind(header + "0,0,10,0,0,0,1,0,0,", 0), 0U);
}
