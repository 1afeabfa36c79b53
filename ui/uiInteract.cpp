#include "ui/uiInteract.h"

#include "ui/platform.h"

#include <GL/freeglut.h>

#include <cassert>
#include <cstdlib>
#include <ctime>
#include <initializer_list>

namespace {

constexpr int keySpace = 32;
constexpr unsigned int earlyFrameWait = 35; // milliseconds

// The letters act as the arrows: W the down arrow, S the up arrow, A left and D right.
int arrowForLetter(unsigned char key) {
    switch (key) {
    case 'A':
    case 'a':
        return GLUT_KEY_LEFT;
    case 'D':
    case 'd':
        return GLUT_KEY_RIGHT;
    case 'S':
    case 's':
        return GLUT_KEY_UP;
    case 'W':
    case 'w':
        return GLUT_KEY_DOWN;
    default:
        return 0;
    }
}

void asciiKeyDown(unsigned char key, int /*x*/, int /*y*/) {
    if (key == ' ') {
        WindowInterface::keyEvent(keySpace, true);
    } else if (const int arrow = arrowForLetter(key); arrow != 0) {
        WindowInterface::keyEvent(arrow, true);
    }
}

// The space bar's release is ignored: only the end of the frame clears a shot.
void asciiKeyUp(unsigned char key, int /*x*/, int /*y*/) {
    if (const int arrow = arrowForLetter(key); arrow != 0) {
        WindowInterface::keyEvent(arrow, false);
    }
}

void specialKeyDown(int key, int /*x*/, int /*y*/) { WindowInterface::keyEvent(key, true); }

void specialKeyUp(int key, int /*x*/, int /*y*/) { WindowInterface::keyEvent(key, false); }

} // namespace

void WindowInterface::initialize(int argc, char** argv, const char* title,
                                 const Position& ptUpperRight) {
    if (initialized) {
        return;
    }
    std::srand(static_cast<unsigned int>(std::time(nullptr)));

    // On Windows freeglut's header sends glutInit and glutCreateWindow to their variants that
    // take the C runtime's exit, __glutInitWithExit and __glutCreateWindowWithExit.
    int argcCopy = argc;
    glutInit(&argcCopy, argv);

    const int width = static_cast<int>(ptUpperRight.getPixelsX());
    const int height = static_cast<int>(ptUpperRight.getPixelsY());
    glutInitWindowSize(width, height);
    glutInitWindowPosition(0, 0);
    glutInitDisplayMode(GLUT_DOUBLE);
    glutCreateWindow(title);
    glutIgnoreKeyRepeat(1);
    glClearColor(0, 0, 0, 0);
    // The halves are whole pixels, truncated, before they become doubles.
    const int halfWidth = width / 2;
    const int halfHeight = height / 2;
    gluOrtho2D(-halfWidth, halfWidth, -halfHeight, halfHeight);

    glutDisplayFunc(displayFrame);
    glutIdleFunc(displayFrame);
    glutKeyboardFunc(asciiKeyDown);
    glutKeyboardUpFunc(asciiKeyUp);
    glutSpecialFunc(specialKeyDown);
    glutSpecialUpFunc(specialKeyUp);

    // Closing the window returns from the loop instead of ending the process, so the caller
    // can destroy the world it handed over.
    glutSetOption(GLUT_ACTION_ON_WINDOW_CLOSE, GLUT_ACTION_GLUTMAINLOOP_RETURNS);

    initialized = true;
}

void WindowInterface::run(Callback callback, void* data) {
    userData = data;
    callBack = callback;
    platform::runFrameLoop(displayFrame);
}

void WindowInterface::keyEvent(int code, bool pressed) {
    switch (code) {
    case keySpace:
    case GLUT_KEY_HOME:
        spacePressed = pressed;
        break;
    case GLUT_KEY_LEFT:
        heldLeft = pressed ? 1 : 0;
        break;
    case GLUT_KEY_UP:
        heldUp = pressed ? 1 : 0;
        break;
    case GLUT_KEY_RIGHT:
        heldRight = pressed ? 1 : 0;
        break;
    case GLUT_KEY_DOWN:
        heldDown = pressed ? 1 : 0;
        break;
    default:
        break;
    }
}

void WindowInterface::endFrameKeys() {
    for (std::int32_t* counter : {&heldDown, &heldUp, &heldLeft, &heldRight}) {
        if (*counter != 0) {
            ++*counter;
        }
    }
    spacePressed = false;
}

bool WindowInterface::frameDue() { return platform::clockTicks() >= nextFrameTick; }

void WindowInterface::scheduleNextFrame() {
    nextFrameTick = platform::clockTicks() + static_cast<int>(framePeriod * 1000);
}

void WindowInterface::displayFrame() {
    WindowInterface ui;
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(1.0, 1.0, 1.0);

    assert(ui.callBack != NULL);
    callBack(&ui, userData);

    if (!frameDue()) {
        // The clock may reach the due tick between the two readings; a difference of zero
        // or less must not lengthen the wait.
        const std::int64_t remaining =
            static_cast<std::int64_t>(nextFrameTick) - platform::clockTicks();
        const std::int64_t wholeSeconds = remaining > 0 ? remaining / 1000 : 0;
        platform::sleepMilliseconds(earlyFrameWait + static_cast<unsigned int>(wholeSeconds));
    }
    scheduleNextFrame();
    glutSwapBuffers();
    endFrameKeys();
}
