#pragma once

#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <stdexcept>
#include <string>

// Bad input from the command line or a key script; its text is shown as it is, and the run
// ends with status 2.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A write that failed (a full disk, a closed pipe); its text names the file. The run ends with
// status 2, as for bad input.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// At most a short stretch of text from outside, for a message: control characters and other
// bytes outside printable ASCII written as \xNN, and a long text cut with "...".
std::string excerpt(const std::string& text);

// Reads a whole number of decimal digits, nothing else, up to max. Anything else throws an
// InputError whose text is prefix followed by the problem, e.g. "--frames -5 is negative".
unsigned long long parseWholeNumber(const std::string& text, unsigned long long max,
                                    const std::string& prefix);

// Text from outside (key scripts, replays, links) is read within these bounds, checked while
// reading, so that no file can make a program hold more than a few times this much.
inline constexpr std::size_t maxLineLength = 4096;          // bytes, without the line end
inline constexpr std::size_t maxTextSize = 4 * 1024 * 1024; // bytes: many hours of play
// The frames a replay may ask for unless told otherwise: about four days of the window's play.
inline constexpr long long defaultMaxFrames = 10000000;

// Opens a file of text from outside to read. Throws InputError naming it when it cannot be
// read, a folder included.
std::ifstream openInput(const std::string& path);

// The whole text of a stream, within maxTextSize. Throws InputError.
std::string readText(std::istream& in, const std::string& sourceName);

// What the C library says of the last failed call, e.g. "No space left on device".
std::string lastSystemError();

// Reads lines within those bounds, the same on every platform: a UTF-8 byte-order mark at the
// start is skipped, and a carriage return before a line's end dropped.
class LineReader {
public:
    LineReader(std::istream& input, std::string sourceName);

    // The next line; false at the end. Throws InputError past a bound.
    bool next(std::string& line);
    // "name:7: ", for a message about the line last read.
    std::string where() const;
    long long getLineNumber() const { return lineNumber; }

private:
    std::istream& in;
    std::string name;
    long long lineNumber = 0;
    std::size_t bytesRead = 0;
};
