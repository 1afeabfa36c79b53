#pragma once

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

// What both programs' command lines share: CLI11 declares every option once, with its help
// text, its range and its conflicts, and --help prints what the parser knows.
namespace commandLine {

enum class Request { run, help, version };

// An app in the house style: the usage line first, then the description, the options and a
// footer; --help and --version as the only built-in options.
void setUp(CLI::App& app, const std::string& version);

// A whole number of decimal digits in [min, max], with the messages the file formats use.
CLI::Validator wholeNumber(long long min, long long max);
// A file name: not empty, and not an option taken for one ("--record --replay f"). Standard
// input may be allowed as "-".
CLI::Validator fileName(bool standardInput = false);

// An option that names a file, as both programs declare them.
CLI::Option* addFile(CLI::App& app, const std::string& name, std::string& path,
                     const std::string& help, bool standardInput = false);
// --max-frames, the same in both programs: what replays and key scripts may ask for.
CLI::Option* addMaxFrames(CLI::App& app, long long& limit);

// Parses the arguments after the program's name. Throws InputError with the parser's message.
Request parse(CLI::App& app, const std::vector<std::string>& arguments);

} // namespace commandLine
