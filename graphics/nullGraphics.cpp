// Drawing that does nothing, for runs that never show a picture: the headless runner and the
// benchmarks, which time a frame's drawing for the calls the program makes and no driver. With
// noWindow.cpp it is the null backend.

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

} // namespace graphics
