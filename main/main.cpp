#include "physics/constants.h"
#include "physics/position.h"
#include "selfcheck/runSelfChecks.h"
#include "session/input.h"
#include "session/windowSession.h"
#include "window/uiInteract.h"

#include <iostream>

namespace {

void frameCallback(WindowInterface* pUI, void* userData) {
    static_cast<WindowSession*>(userData)->frame(*pUI);
}

} // namespace

int main(int argc, char** argv) {
    WindowOptions options;
    try {
        options = parseWindowOptions(argc, argv);
    } catch (const InputError& error) {
        runSelfChecks();
        std::cerr << "corvexa: " << error.what() << "\nTry 'corvexa --help'.\n";
        return 2;
    }
    if (options.mode == WindowOptions::Mode::help) {
        std::cout << windowUsageText;
        return 0;
    }
    if (options.mode == WindowOptions::Mode::version) {
        std::cout << "corvexa " << CORVEXA_VERSION << "\n";
        return 0;
    }

    runSelfChecks();
    if (isSelfCheckOnly(argc, argv)) {
        return 0;
    }

    try {
        WindowSession session(options);
        // The scale comes first: the window size and the ship's start are given in pixels.
        Position ptUpperRight;
        ptUpperRight.setZoom(runningZoom);
        ptUpperRight.setPixelsX(windowWidth);
        ptUpperRight.setPixelsY(windowHeight);

        WindowInterface ui(argc, argv, windowTitle, ptUpperRight);
        session.start();
        ui.run(frameCallback, &session);
        session.end();
    } catch (const InputError& error) {
        std::cerr << "corvexa: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
