#pragma once

#include <stdexcept>
#include <string>

// Bad input from the command line or a key script; its text is shown as it is, and the run
// ends with status 2.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a whole number of decimal digits, nothing else, up to max. Anything else throws an
// InputError whose text is prefix followed by the problem, e.g. "--frames -5 is negative".
unsigned long long parseWholeNumber(const std::string& text, unsigned long long max,
                                    const std::string& prefix);
