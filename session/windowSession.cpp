#include "session/windowSession.h"

#include "session/input.h"

#include "graphics/graphics.h"
#include "platform/platform.h"

#include <cstring>
#include <iostream>
#include <sstream>

WindowSession::WindowSession(const WindowOptions& chosen) : options(chosen) {
    if (options.mode == WindowOptions::Mode::record) {
        recordFile.open(options.path, std::ios::out | std::ios::trunc);
        if (!recordFile) {
            throw InputError(options.path + ": cannot be written: " + std::strerror(errno));
        }
    } else if (options.mode == WindowOptions::Mode::replay) {
        std::ifstream file = openInput(options.path);
        replay = Replay::parse(file, options.path);
        replay->checkLength(options.maxFrames, "--max-frames");
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
        stopRecordingIfLost();
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
    std::cout << verdict->describe(frames) << std::endl;
    // The world runs on as if every key had been let go.
    WindowInterface::releaseAll();
}

void WindowSession::end() {
    if (writer) {
        writer->end(*world, frames);
        stopRecordingIfLost();
        WindowInterface::listenToKeys(nullptr, nullptr);
    }
}

// A recording that cannot be written is over: the player is told at once, and plays on.
void WindowSession::stopRecordingIfLost() {
    if (writer->getFailure().empty()) {
        return;
    }
    std::cerr << "corvexa: " << options.path << ": cannot be written: " << writer->getFailure()
              << "; the recording stops here\n";
    WindowInterface::listenToKeys(nullptr, nullptr);
    writer.reset();
    recordingLost = true;
}

std::string WindowSession::replayText() const {
    if ((!writer && !replay) || recordingLost) {
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
