#pragma once

// The browser's freeglut header: Emscripten's GLUT declarations, and the freeglut extensions
// that the program calls and that GLUT lacks. platform_web.cpp defines them.
#include <GL/glut.h>

#define GLUT_ACTION_EXIT 0
#define GLUT_ACTION_GLUTMAINLOOP_RETURNS 1
#define GLUT_ACTION_CONTINUE_EXECUTION 2
#define GLUT_ACTION_ON_WINDOW_CLOSE 0x01F9

#ifdef __cplusplus
extern "C" {
#endif

void glutSetOption(GLenum option, int value);

#ifdef __cplusplus
}
#endif
