#include "session/input.h"

#include <charconv>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <istream>
#include <utility>

std::string excerpt(const std::string& text) {
    constexpr std::size_t longest = 40;
    std::string shown;
    for (std::size_t i = 0; i < text.size() && i < longest; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            shown += static_cast<char>(byte);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            shown += escaped;
        }
    }
    return text.size() > longest ? shown + "..." : shown;
}

unsigned long long parseWholeNumber(const std::string& text, unsigned long long max,
                                    const std::string& prefix) {
    const bool digitsOnly =
        !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digitsOnly) {
        const bool negative = text.size() > 1 && text[0] == '-' &&
                              text.find_first_not_of("0123456789", 1) == std::string::npos;
        throw InputError(prefix + (negative ? text + " is negative"
                                            : "'" + excerpt(text) + "' is not a whole number"));
    }
    unsigned long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > max) {
        throw InputError(prefix + excerpt(text) + " is too large (at most " + std::to_string(max) +
                         ")");
    }
    return value;
}

LineReader::LineReader(std::istream& input, std::string sourceName)
    : in(input), name(std::move(sourceName)) {}

bool LineReader::next(std::string& line) {
    line.clear();
    std::streambuf* pBuffer = in.rdbuf();
    bool any = false;
    for (int c = pBuffer->sbumpc(); c != std::char_traits<char>::eof(); c = pBuffer->sbumpc()) {
        any = true;
        if (++bytesRead > maxTextSize) {
            throw InputError(name + ": longer than the limit of " + std::to_string(maxTextSize) +
                             " bytes");
        }
        if (c == '\n') {
            break;
        }
        if (line.size() == maxLineLength) {
            throw InputError(name + ":" + std::to_string(lineNumber + 1) +
                             ": a line longer than the limit of " + std::to_string(maxLineLength) +
                             " bytes");
        }
        line += static_cast<char>(c);
    }
    if (!any) {
        return false;
    }
    ++lineNumber;
    if (lineNumber == 1 && line.compare(0, 3, "\xEF\xBB\xBF") == 0) {
        line.erase(0, 3);
    }
    if (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

std::string LineReader::where() const { return name + ":" + std::to_string(lineNumber) + ": "; }

std::ifstream openInput(const std::string& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw InputError(path + ": cannot be read: it is a folder");
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        throw InputError(path + ": cannot be read: " + lastSystemError());
    }
    return file;
}

std::string readText(std::istream& in, const std::string& sourceName) {
    std::string text;
    char chunk[65536];
    for (std::streamsize got = 0; (got = in.rdbuf()->sgetn(chunk, sizeof chunk)) > 0;) {
        if (text.size() + static_cast<std::size_t>(got) > maxTextSize) {
            throw InputError(sourceName + ": longer than the limit of " +
                             std::to_string(maxTextSize) + " bytes");
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return text;
}

std::string lastSystemError() { return std::strerror(errno); }
