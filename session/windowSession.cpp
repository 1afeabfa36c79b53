#include "session/windowSession.h"

#include "session/input.h"

#include "graphics/graphics.h"
#include "platform/platform.h"

#include <cstring>
#include <iostream>
#include <sstream>

const char* const windowUsageText =
    "usage: corvexa [--test | --record FILE | --replay FILE | --help | --version]\n"
    "\n"
    "Satellites orbiting the Earth, and a ship you steer: the left and right arrows (or A and\n"
    "D) turn it, the down arrow (or W) thrusts, the space bar (or Home) fires. Every start\n"
    "prints the self-check report first.\n"
    "\n"
    "  --test           print the self-check report and end\n"
    "  --record FILE    play as usual and write the session to FILE as a replay\n"
    "  --replay FILE    show a recorded session, keys ignored; at its end say whether the\n"
    "                   world came out the same, and run on with no key held\n"
    "  --help           this text\n"
    "  --version        the version\n";

WindowOptions parseWindowOptions(int argc, char** argv) {
    WindowOptions options;
    if (argc < 2) {
        return options;
    }
    const std::string first = argv[1];
    if (first == "--help" || first == "--version") {
        options.mode = first == "--help" ? WindowOptions::Mode::help : WindowOptions::Mode::version;
    } else if (first == "--record" || first == "--replay") {
        if (argc < 3 || argv[2][0] == '\0') {
            throw InputError(first + " needs a file name");
        }
        options.mode =
            first == "--record" ? WindowOptions::Mode::record : WindowOptions::Mode::replay;
        options.path = argv[2];
    }
    return options;
}

WindowSession::WindowSession(const WindowOptions& chosen) : options(chosen) {
    if (options.mode == WindowOptions::Mode::record) {
        recordFile.open(options.path, std::ios::out | std::ios::trunc);
        if (!recordFile) {
            throw InputError(options.path + ": cannot be written: " + std::strerror(errno));
        }
    } else if (options.mode == WindowOptions::Mode::replay) {
        std::ifstream file(options.path);
        if (!file) {
            throw InputError(options.path + ": cannot be read: " + std::strerror(errno));
        }
        replay = Replay::parse(file, options.path);
    }
}

WindowSession::~WindowSession() {
    if (activeSession == this) {
        activeSession = nullptr;
    }
}

void WindowSession::start() {
    activeSession = this;
    if (replay) {
        // The replay's seed, in place of the clock's, before anything random is drawn.
        platform::seedRandom(replay->getSeed());
        WindowInterface::ignoreKeyboard(true);
        verdict = std::make_unique<ReplayVerdict>(*replay);
        replayKeys = std::make_unique<KeyScriptCursor>(replay->getScript());
        replaying = true;
    }
    world = std::make_unique<Simulator>();
    if (recordFile.is_open()) {
        writer = std::make_unique<ReplayWriter>(recordFile, WindowInterface::getSeed());
        WindowInterface::listenToKeys(
            [](int code, bool pressed, void* data) {
                auto* self = static_cast<WindowSession*>(data);
                self->writer->keyEvent(self->frames + 1, code, pressed);
            },
            this);
    }
}

void WindowSession::frame(WindowInterface& ui) {
    if (replaying) {
        replayKeys->deliverUpTo(frames + 1, [](const KeyEvent& event) {
            WindowInterface::keyEvent(event.code, event.pressed);
        });
    }
    world->update(ui);
    ++frames;
    if (writer) {
        writer->frameEnded(*world, frames);
    }
    if (replaying) {
        verdict->afterFrame(*world, frames);
        if (frames >= replay->getLastFrame()) {
            replayEnded();
        }
    }
}

void WindowSession::replayEnded() {
    replaying = false;
    std::cout << verdict->describe() << std::endl;
    // The world runs on as if every key had been let go.
    for (const int code :
         {graphics::keyLeft, graphics::keyRight, graphics::keyUp, graphics::keyDown}) {
        WindowInterface::keyEvent(code, false);
    }
}

void WindowSession::end() {
    if (writer) {
        writer->end(*world, frames);
        WindowInterface::listenToKeys(nullptr, nullptr);
    }
}

std::string WindowSession::replayText() const {
    if (!writer && !replay) {
        return {};
    }
    std::ifstream file(options.path);
    std::ostringstream text;
    text << file.rdbuf();
    if (writer) {
        text << checkLine("end", takeCensus(*world, frames)) << '\n';
    }
    return text.str();
}
