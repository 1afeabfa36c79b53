#include "session/windowSession.h"

#include "session/input.h"
#include "session/sceneInput.h"

#include "physics/constants.h"
#include "platform/platform.h"
#include "ui/uiDraw.h"

#include <algorithm>
#include <ctime>
#include <iostream>
#include <sstream>

namespace {

// A viewer's jump, in frames.
constexpr long long jump = 1000;
// How long a shown frame may spend seeking, in milliseconds, so the window stays responsive.
constexpr std::uint32_t seekSlice = 30;

} // namespace

WindowSession::WindowSession(const WindowOptions& chosen)
    : options(chosen), exploring(chosen.explore || chosen.mode == WindowOptions::Mode::replay),
      time(chosen.mode == WindowOptions::Mode::replay ? 64 : 8) {
    if (!options.scenePath.empty()) {
        scene = readSceneFile(options.scenePath);
    }
    if (options.mode == WindowOptions::Mode::record) {
        recordFile.open(options.path, std::ios::out | std::ios::trunc);
        if (!recordFile) {
            throw InputError(options.path + ": cannot be written: " + lastSystemError());
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
    WindowInterface::listenToCommands(nullptr, nullptr);
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
    world = newWorld();
    if (recordFile.is_open()) {
        writer =
            std::make_unique<ReplayWriter>(recordFile, WindowInterface::getSeed(), playedScene());
        WindowInterface::listenToKeys(
            [](int code, bool pressed, void* data) {
                auto* self = static_cast<WindowSession*>(data);
                self->writer->keyEvent(self->frames + 1, code, pressed);
            },
            this);
    }
    if (exploring) {
        WindowInterface::listenToCommands(
            [](Command command, void* data) {
                return static_cast<WindowSession*>(data)->command(command);
            },
            this);
    }
}

const Scene* WindowSession::playedScene() const {
    if (replay) {
        return replay->getScene();
    }
    return scene ? &*scene : nullptr;
}

std::unique_ptr<Simulator> WindowSession::newWorld() const {
    const Scene* played = playedScene();
    return std::make_unique<Simulator>(played != nullptr ? played->populate() : builtPopulation());
}

std::string WindowSession::windowTitle() const {
    const Scene* played = playedScene();
    return played != nullptr ? std::string(::windowTitle) + ": " + played->getTitle()
                             : std::string(::windowTitle);
}

void WindowSession::frame(WindowInterface& ui) {
    if (!exploring) {
        worldFrame(ui);
        return;
    }
    if (newWorldAsked) {
        newWorldAsked = false;
        buildNewWorld();
    }
    if (seekTarget >= 0) {
        // Whole world frames as fast as they come, unseen: the picture is drawn once, after.
        const std::uint32_t started = platform::clockTicks();
        while (frames < seekTarget && platform::clockTicks() - started < seekSlice) {
            worldFrame(ui, false);
            WindowInterface::endFrameKeys();
        }
        if (frames >= seekTarget) {
            seekTarget = -1;
        }
        WindowInterface::beginFrame();
        redraw();
        drawOverlays();
        WindowInterface::holdKeysThisFrame();
        return;
    }
    const int count = time.nextShownFrame();
    if (count == 0) {
        redraw();
        WindowInterface::holdKeysThisFrame();
    }
    // Only the last of the world frames is seen; a clear of the picture for each would cost
    // more than the world's frame itself.
    for (int i = 0; i < count; ++i) {
        const bool last = i == count - 1;
        if (i > 0) {
            WindowInterface::endFrameKeys();
            if (last) {
                WindowInterface::beginFrame();
            }
        }
        if (trailsShown && last) {
            trails.draw();
        }
        worldFrame(ui, last);
        if (trailsShown) {
            trails.record(*world);
        }
    }
    drawOverlays();
}

void WindowSession::worldFrame(WindowInterface& ui, bool seen) {
    if (replaying) {
        const auto& rebuilds = replay->getRebuilds();
        for (; nextRebuild < rebuilds.size() && rebuilds[nextRebuild].frame <= frames;
             ++nextRebuild) {
            world.reset();
            platform::seedRandom(rebuilds[nextRebuild].seed);
            world = newWorld();
            worldFrames = 0;
            trails.clear();
        }
        replayKeys->deliverUpTo(frames + 1, [](const KeyEvent& event) {
            WindowInterface::keyEvent(event.code, event.pressed);
        });
    }
    if (seen) {
        world->update(ui);
    } else {
        world->updateUnseen(ui);
    }
    ++frames;
    ++worldFrames;
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

// The picture of the world as it stands, drawn again without moving the random numbers on:
// the flame would draw some.
void WindowSession::redraw() const {
    const RandomSequence saved = platform::randomState();
    if (trailsShown) {
        trails.draw();
    }
    world->draw();
    platform::setRandomState(saved);
}

void WindowSession::drawOverlays() const {
    if (figuresShown && !figuresOutside) {
        drawFigures(figures());
        drawShipMarker(*world);
    }
    if (seekTarget >= 0) {
        Position line;
        line.setPixelsX(-60);
        line.setPixelsY(0);
        const std::string text =
            "Seeking frame " + std::to_string(frames) + " of " + std::to_string(seekTarget);
        drawText(line, text.c_str());
    }
}

Figures WindowSession::figures() const {
    Figures shown = takeFigures(*world, frames, worldFrames);
    shown.speed = seekTarget >= 0 ? "seeking" : time.describe();
    shown.replayFrames = replay ? replay->getLastFrame() : 0;
    return shown;
}

bool WindowSession::command(Command command) {
    switch (command) {
    case Command::pause:
        time.togglePause();
        return true;
    case Command::step:
        time.step();
        return true;
    case Command::slower:
        time.slower();
        return true;
    case Command::faster:
        time.faster();
        return true;
    case Command::figures:
        figuresShown = !figuresShown;
        return true;
    case Command::trails:
        trailsShown = !trailsShown;
        trails.clear();
        return true;
    case Command::newWorld:
        // A replay's worlds are its own.
        newWorldAsked = !replay;
        return true;
    case Command::toStart:
    case Command::back:
    case Command::forward:
        if (!replay) {
            return false;
        }
        seek(command == Command::toStart ? 0
             : command == Command::back  ? frames - jump
                                         : frames + jump);
        return true;
    }
    return false;
}

void WindowSession::seek(long long frame) {
    if (!replay) {
        return;
    }
    const long long target = std::max(0LL, frame);
    if (target < frames) {
        restartReplay();
    }
    seekTarget = target;
}

// The viewer back at the replay's first frame: its seed, no key held, its keys and checks from
// the start.
void WindowSession::restartReplay() {
    world.reset();
    platform::seedRandom(replay->getSeed());
    WindowInterface::releaseAll();
    world = newWorld();
    frames = 0;
    worldFrames = 0;
    nextRebuild = 0;
    verdict = std::make_unique<ReplayVerdict>(*replay);
    replayKeys = std::make_unique<KeyScriptCursor>(replay->getScript());
    replaying = true;
    trails.clear();
}

// A new seed from the calendar, as at start; a recording says where, so that it replays.
void WindowSession::buildNewWorld() {
    const auto seed = static_cast<unsigned int>(std::time(nullptr));
    if (writer) {
        writer->worldRebuilt(frames, seed);
        stopRecordingIfLost();
    }
    world.reset();
    platform::seedRandom(seed);
    world = newWorld();
    worldFrames = 0;
    trails.clear();
}

std::string WindowSession::stateJson() const {
    std::string json = figuresJson(figures());
    json.pop_back();
    json += std::string(",\"paused\":") + (time.isPaused() ? "true" : "false") +
            ",\"figuresShown\":" + (figuresShown ? "true" : "false") +
            ",\"trailsShown\":" + (trailsShown ? "true" : "false") +
            ",\"replaying\":" + (replaying ? "true" : "false") +
            ",\"seekTarget\":" + std::to_string(seekTarget) + "}";
    return json;
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
