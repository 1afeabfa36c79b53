#include "session/input.h"

#include <cctype>

namespace {

bool allDigits(const std::string& text, std::size_t from) {
    if (from >= text.size()) {
        return false;
    }
    for (std::size_t i = from; i < text.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(text[i])) == 0) {
            return false;
        }
    }
    return true;
}

} // namespace

unsigned long long parseWholeNumber(const std::string& text, unsigned long long max,
                                    const std::string& prefix) {
    if (!text.empty() && text[0] == '-' && allDigits(text, 1)) {
        throw InputError(prefix + text + " is negative");
    }
    if (!allDigits(text, 0)) {
        throw InputError(prefix + "'" + text + "' is not a whole number");
    }
    unsigned long long value = 0;
    for (const char digit : text) {
        const unsigned long long next = static_cast<unsigned long long>(digit - '0');
        // Checked before multiplying, so nothing wraps however long the text is.
        if (value > (max - next) / 10) {
            throw InputError(prefix + text + " is too large (at most " + std::to_string(max) + ")");
        }
        value = value * 10 + next;
    }
    return value;
}
