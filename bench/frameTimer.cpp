// Times whole frames of a world with many live objects in a real window: input, motion, the
// collision pass, drawing, and the buffer swap with the driver made to finish the picture.
//
//   corvexa_frame_timer [objects] [frames] [trails]
//                                   (defaults: 10000 objects, 200 frames, no trails)
// With trails, each frame also keeps and draws every object's orbit trail, as T does.

#include "platform/platform.h"
#include "scenes.h"
#include "session/trails.h"

#include "physics/constants.h"
#include "simulation/simulator.h"
#include "support/runningWindow.h"
#include "window/uiInteract.h"

#include <GL/freeglut.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    const long objects = argc > 1 ? std::atol(argv[1]) : 10000;
    const long frames = argc > 2 ? std::atol(argv[2]) : 200;
    const bool withTrails = argc > 3 && std::string(argv[3]) == "trails";
    if (objects < 0 || frames < 1) {
        std::fprintf(stderr, "usage: corvexa_frame_timer [objects] [frames] [trails]\n");
        return 2;
    }

    int toolkitArgc = 1;
    WindowInterface ui(toolkitArgc, argv, windowTitle, runningUpperRight());
    platform::seedRandom(1);

    Simulator world;
    for (auto& pMote : makeRings(static_cast<std::size_t>(objects), 7, true)) {
        world.addObject(pMote.release());
    }

    // The trails are full from the first timed frame.
    Trails trails;
    for (int frame = 0; withTrails && frame < 600; ++frame) {
        world.advance();
        trails.record(world);
    }

    // The window's own frame, without its pacing.
    std::vector<double> milliseconds;
    for (long frame = 0; frame < frames; ++frame) {
        const auto start = std::chrono::steady_clock::now();
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1.0, 1.0, 1.0);
        if (withTrails) {
            trails.draw();
        }
        world.update(ui);
        if (withTrails) {
            trails.record(world);
        }
        glutSwapBuffers();
        glFinish();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        milliseconds.push_back(took.count());
    }

    std::sort(milliseconds.begin(), milliseconds.end());
    double sum = 0.0;
    for (const double ms : milliseconds) {
        sum += ms;
    }
    std::printf("%s\n", reinterpret_cast<const char*>(glGetString(GL_RENDERER)));
    std::printf(
        "%ld objects%s, %ld frames: mean %.2f ms, median %.2f ms, min %.2f ms, max %.2f ms\n",
        objects, withTrails ? " with trails" : "", frames, sum / static_cast<double>(frames),
        milliseconds[milliseconds.size() / 2], milliseconds.front(), milliseconds.back());
    return 0;
}
