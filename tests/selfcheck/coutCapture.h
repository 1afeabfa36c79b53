#pragma once

#include <iostream>
#include <sstream>
#include <string>

// Collects what is written to std::cout, starting from and going back to the default format,
// since a suite's report leaves its number format on the stream.
class CoutCapture {
public:
    CoutCapture() : saved(std::cout.rdbuf(buffer.rdbuf())) { resetFormat(); }
    ~CoutCapture() {
        std::cout.rdbuf(saved);
        resetFormat();
    }

    CoutCapture(const CoutCapture&) = delete;
    CoutCapture& operator=(const CoutCapture&) = delete;

    std::string text() const { return buffer.str(); }

private:
    static void resetFormat() {
        std::cout.flags(std::ios_base::dec | std::ios_base::skipws);
        std::cout.precision(6);
    }

    std::ostringstream buffer;
    std::streambuf* saved;
};
