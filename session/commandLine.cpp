#include "session/commandLine.h"

#include "session/input.h"
#include "session/keyScript.h"

#include <limits>
#include <memory>
#include <sstream>

namespace commandLine {

namespace {

// The usage line before the description, as man and help2man expect; every option on one line
// with its value's name.
class Formatter : public CLI::Formatter {
public:
    std::string make_help(const CLI::App* app, std::string name,
                          CLI::AppFormatMode mode) const override {
        std::string text = make_usage(app, name) + "\n" + app->get_description();
        text += make_groups(app, mode) + make_footer(app);
        return text;
    }
    std::string make_usage(const CLI::App* app, std::string name) const override {
        return "Usage: " + (name.empty() ? app->get_name() : name) + " [OPTIONS]\n";
    }
    std::string make_option_opts(const CLI::Option* option) const override {
        return option->get_type_name().empty() ? std::string() : " " + option->get_type_name();
    }
    // Wrapped to the width of a terminal; CLI11 indents the lines after the first.
    std::string make_option_desc(const CLI::Option* option) const override {
        std::istringstream words(option->get_description());
        std::string text;
        std::size_t lineLength = 0;
        for (std::string word; words >> word;) {
            if (lineLength > 0 && lineLength + 1 + word.size() > descriptionWidth) {
                text += '\n';
                lineLength = 0;
            } else if (lineLength > 0) {
                text += ' ';
                ++lineLength;
            }
            text += word;
            lineLength += word.size();
        }
        return text;
    }
    std::string make_footer(const CLI::App* app) const override {
        return app->get_footer().empty() ? std::string() : "\n" + app->get_footer();
    }

    static constexpr std::size_t descriptionWidth = 64;
};

} // namespace

void setUp(CLI::App& app, const std::string& version) {
    auto formatter = std::make_shared<Formatter>();
    formatter->column_width(26);
    app.formatter(formatter);
    app.set_help_flag("--help", "print this text and end");
    app.set_version_flag("--version", app.get_name() + " " + version, "print the version and end");
    app.option_defaults()->always_capture_default(false);
}

CLI::Validator wholeNumber(long long min, long long max) {
    return CLI::Validator(
        [min, max](std::string& text) {
            try {
                const auto value = static_cast<long long>(
                    parseWholeNumber(text, static_cast<unsigned long long>(max), ""));
                if (value < min) {
                    return text + " is below " + std::to_string(min);
                }
            } catch (const InputError& error) {
                return std::string(error.what());
            }
            return std::string();
        },
        "", "whole number");
}

CLI::Validator fileName(bool standardInput) {
    return CLI::Validator(
        [standardInput](std::string& text) {
            if (text.empty()) {
                return std::string(standardInput ? "needs a file name, or - for standard input"
                                                 : "needs a file name");
            }
            if (text.rfind("--", 0) == 0) {
                return "needs a file name, not the option " + text;
            }
            return std::string();
        },
        "", "file name");
}

CLI::Option* addFile(CLI::App& app, const std::string& name, std::string& path,
                     const std::string& help, bool standardInput) {
    return app.add_option(name, path, help)
        ->type_name(standardInput ? "FILE|-" : "FILE")
        ->check(fileName(standardInput));
}

CLI::Option* addMaxFrames(CLI::App& app, long long& limit) {
    return app
        .add_option("--max-frames", limit,
                    "the most frames a replay may ask for (default " +
                        std::to_string(defaultMaxFrames) +
                        ", about four days of play); one that needs more is refused before "
                        "it runs")
        ->type_name("N")
        ->check(wholeNumber(1, ::maxFrames));
}

Request parse(CLI::App& app, const std::vector<std::string>& arguments) {
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    try {
        app.parse(reversed);
    } catch (const CLI::CallForHelp&) {
        return Request::help;
    } catch (const CLI::CallForVersion&) {
        return Request::version;
    } catch (const CLI::ParseError& error) {
        throw InputError(error.what());
    }
    return Request::run;
}

} // namespace commandLine
