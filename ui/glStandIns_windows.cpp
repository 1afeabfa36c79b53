// Windows: what a stand-in backend adds to the plain GL and GLUT functions it defines, so that
// code built against the real headers reaches them. Built into each stand-in backend, as if it
// were the library (cmake/windows.cmake).

#include <GL/freeglut.h>

extern "C" {

// Callers built against the real headers call GL through the import table: a pointer per
// function, named __imp_ and the function's name.
decltype(&glBegin) __imp_glBegin = &glBegin;
decltype(&glEnd) __imp_glEnd = &glEnd;
decltype(&glVertex2f) __imp_glVertex2f = &glVertex2f;
decltype(&glColor3f) __imp_glColor3f = &glColor3f;
decltype(&glRasterPos2f) __imp_glRasterPos2f = &glRasterPos2f;
decltype(&glClear) __imp_glClear = &glClear;
decltype(&glClearColor) __imp_glClearColor = &glClearColor;

// freeglut's header sends glutInit and glutCreateWindow here, with the C runtime's exit; the
// stand-ins never end the process, so the exit is not needed.
void __glutInitWithExit(int* argcp, char** argv, void (* /*exitFunction*/)(int)) {
    glutInit(argcp, argv);
}
int __glutCreateWindowWithExit(const char* title, void (* /*exitFunction*/)(int)) {
    return glutCreateWindow(title);
}

} // extern "C"
