// The window half of the backends that open none: the null backend's and the icon drawer's.
// There is no window, no key and no loop; a frame runs only when its caller runs it.

#include "graphics/graphics.h"

namespace graphics {

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
