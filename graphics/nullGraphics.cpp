// Calls that do nothing, for runs that never show a picture: the headless runner and the
// benchmarks, which time a frame's drawing for the calls the program makes and no driver.

#include "graphics/graphics.h"

namespace graphics {

void begin(Mode /*mode*/) {}
void end() {}
void vertex2f(float /*x*/, float /*y*/) {}
void color3f(float /*red*/, float /*green*/, float /*blue*/) {}
void rasterPos2f(float /*x*/, float /*y*/) {}
void bitmapCharacter(int /*character*/) {}
void clear(unsigned int /*mask*/) {}
void clearColor(float /*red*/, float /*green*/, float /*blue*/, float /*alpha*/) {}
void ortho2D(double /*left*/, double /*right*/, double /*bottom*/, double /*top*/) {}

void init(int* /*argc*/, char** /*argv*/) {}
void initWindowSize(int /*width*/, int /*height*/) {}
void initWindowPosition(int /*x*/, int /*y*/) {}
void initDisplayMode(unsigned int /*mode*/) {}
int createWindow(const char* /*title*/) { return 1; }
void ignoreKeyRepeat(int /*ignore*/) {}
void setOption(int /*option*/, int /*value*/) {}
void displayFunc(DisplayCallback /*callback*/) {}
void idleFunc(DisplayCallback /*callback*/) {}
void keyboardFunc(KeyboardCallback /*callback*/) {}
void keyboardUpFunc(KeyboardCallback /*callback*/) {}
void specialFunc(SpecialCallback /*callback*/) {}
void specialUpFunc(SpecialCallback /*callback*/) {}
void mainLoop() {}
void swapBuffers() {}

} // namespace graphics
