// GL, GLU and GLUT calls that do nothing, so that a frame's drawing can be timed for the calls
// the program makes without a display or a driver behind them.

#include <GL/freeglut.h>

extern "C" {

void* glutBitmapHelvetica12 = nullptr;

void glBegin(GLenum /*mode*/) {}
void glEnd() {}
void glVertex2f(GLfloat /*x*/, GLfloat /*y*/) {}
void glColor3f(GLfloat /*r*/, GLfloat /*g*/, GLfloat /*b*/) {}
void glRasterPos2f(GLfloat /*x*/, GLfloat /*y*/) {}
void glClear(GLbitfield /*mask*/) {}
void glClearColor(GLfloat /*r*/, GLfloat /*g*/, GLfloat /*b*/, GLfloat /*a*/) {}
void gluOrtho2D(GLdouble /*left*/, GLdouble /*right*/, GLdouble /*bottom*/, GLdouble /*top*/) {}

void glutInit(int* /*pargc*/, char** /*argv*/) {}
void glutInitWindowSize(int /*width*/, int /*height*/) {}
void glutInitWindowPosition(int /*x*/, int /*y*/) {}
void glutInitDisplayMode(unsigned int /*mode*/) {}
int glutCreateWindow(const char* /*title*/) { return 1; }
void glutIgnoreKeyRepeat(int /*ignore*/) {}
void glutSetOption(GLenum /*option*/, int /*value*/) {}
void glutDisplayFunc(void (* /*callback*/)()) {}
void glutIdleFunc(void (* /*callback*/)()) {}
void glutKeyboardFunc(void (* /*callback*/)(unsigned char, int, int)) {}
void glutKeyboardUpFunc(void (* /*callback*/)(unsigned char, int, int)) {}
void glutSpecialFunc(void (* /*callback*/)(int, int, int)) {}
void glutSpecialUpFunc(void (* /*callback*/)(int, int, int)) {}
void glutMainLoop() {}
void glutSwapBuffers() {}
void glutBitmapCharacter(void* /*font*/, int /*character*/) {}

} // extern "C"
