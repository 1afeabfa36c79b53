#include "physics/constants.h"
#include "physics/position.h"
#include "selfcheck/runSelfChecks.h"
#include "session/input.h"
#include "session/windowSession.h"
#include "window/uiInteract.h"

#include <iostream>
#include <string>
#include <vector>

namespace {

// The report is the program's only text: a failure to write it is said on standard error.
bool reportWritten() {
    std::cout.flush();
    if (std::cout) {
        return true;
    }
    std::cerr << "corvexa: standard output: cannot be written: " << lastSystemError() << "\n";
    return false;
}

void frameCallback(WindowInterface* pUI, void* userData) {
    static_cast<WindowSession*>(userData)->frame(*pUI);
}

} // namespace

int main(int argc, char** argv) {
    // Before the options are read: --test ends after the report whatever follows it.
    if (isSelfCheckOnly(argc, argv)) {
        runSelfChecks();
        return reportWritten() ? 0 : 2;
    }
    WindowOptions options;
    try {
        options = parseWindowOptions(argc, argv);
    } catch (const InputError& error) {
        runSelfChecks();
        std::cerr << "corvexa: " << error.what() << "\nTry 'corvexa --help'.\n";
        return 2;
    }
    if (options.mode == WindowOptions::Mode::help) {
        std::cout << windowUsage();
        return 0;
    }
    if (options.mode == WindowOptions::Mode::version) {
        std::cout << "corvexa " << CORVEXA_VERSION << "\n";
        return 0;
    }

    runSelfChecks();
    reportWritten();

    try {
        WindowSession session(options);
        // The scale comes first: the window size and the ship's start are given in pixels.
        Position ptUpperRight;
        ptUpperRight.setZoom(runningZoom);
        ptUpperRight.setPixelsX(windowWidth);
        ptUpperRight.setPixelsY(windowHeight);

        // The toolkit sees every argument that is not the program's own.
        std::vector<char*> toolkitArgv;
        for (std::string& argument : options.toolkitArguments) {
            toolkitArgv.push_back(argument.data());
        }
        toolkitArgv.push_back(nullptr);
        WindowInterface ui(static_cast<int>(toolkitArgv.size()) - 1, toolkitArgv.data(),
                           session.windowTitle().c_str(), ptUpperRight);
        session.start();
        ui.run(frameCallback, &session);
        session.end();
    } catch (const InputError& error) {
        std::cerr << "corvexa: " << error.what() << "\n";
        return 2;
    }
    return 0;
}
