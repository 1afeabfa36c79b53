// The desktop: the system's GL, GLU and freeglut, one call for each call of the program.

#include "graphics/graphics.h"

#include <GL/freeglut.h>

namespace graphics {

static_assert(points == GL_POINTS && lines == GL_LINES && lineLoop == GL_LINE_LOOP &&
              lineStrip == GL_LINE_STRIP && triangles == GL_TRIANGLES &&
              triangleStrip == GL_TRIANGLE_STRIP && triangleFan == GL_TRIANGLE_FAN &&
              quads == GL_QUADS && polygon == GL_POLYGON);
static_assert(colorBufferBit == GL_COLOR_BUFFER_BIT && displayDouble == GLUT_DOUBLE);
static_assert(actionOnWindowClose == GLUT_ACTION_ON_WINDOW_CLOSE &&
              actionExit == GLUT_ACTION_EXIT &&
              actionMainLoopReturns == GLUT_ACTION_GLUTMAINLOOP_RETURNS &&
              actionContinueExecution == GLUT_ACTION_CONTINUE_EXECUTION);
static_assert(keyF1 == GLUT_KEY_F1 && keyLeft == GLUT_KEY_LEFT && keyUp == GLUT_KEY_UP &&
              keyRight == GLUT_KEY_RIGHT && keyDown == GLUT_KEY_DOWN &&
              keyPageUp == GLUT_KEY_PAGE_UP && keyPageDown == GLUT_KEY_PAGE_DOWN &&
              keyHome == GLUT_KEY_HOME && keyEnd == GLUT_KEY_END);

void begin(Mode mode) { glBegin(mode); }
void end() { glEnd(); }
void vertex2f(float x, float y) { glVertex2f(x, y); }
void color3f(float red, float green, float blue) { glColor3f(red, green, blue); }
void rasterPos2f(float x, float y) { glRasterPos2f(x, y); }
void bitmapCharacter(int character) { glutBitmapCharacter(GLUT_BITMAP_HELVETICA_12, character); }
void clear(unsigned int mask) { glClear(mask); }
void clearColor(float red, float green, float blue, float alpha) {
    glClearColor(red, green, blue, alpha);
}
void ortho2D(double left, double right, double bottom, double top) {
    gluOrtho2D(left, right, bottom, top);
}

// On Windows freeglut's header sends glutInit and glutCreateWindow to their variants that take
// the C runtime's exit, __glutInitWithExit and __glutCreateWindowWithExit.
void init(int* argc, char** argv) { glutInit(argc, argv); }
void initWindowSize(int width, int height) { glutInitWindowSize(width, height); }
void initWindowPosition(int x, int y) { glutInitWindowPosition(x, y); }
void initDisplayMode(unsigned int mode) { glutInitDisplayMode(mode); }
int createWindow(const char* title) { return glutCreateWindow(title); }
void ignoreKeyRepeat(int ignore) { glutIgnoreKeyRepeat(ignore); }
void setOption(int option, int value) { glutSetOption(static_cast<GLenum>(option), value); }
void displayFunc(DisplayCallback callback) { glutDisplayFunc(callback); }
void idleFunc(DisplayCallback callback) { glutIdleFunc(callback); }
void keyboardFunc(KeyboardCallback callback) { glutKeyboardFunc(callback); }
void keyboardUpFunc(KeyboardCallback callback) { glutKeyboardUpFunc(callback); }
void specialFunc(SpecialCallback callback) { glutSpecialFunc(callback); }
void specialUpFunc(SpecialCallback callback) { glutSpecialUpFunc(callback); }
void mainLoop() { glutMainLoop(); }
void swapBuffers() { glutSwapBuffers(); }

} // namespace graphics
