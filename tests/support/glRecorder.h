#pragma once

// A recording graphics backend. The tests link it in place of the real one, so every call lands
// in one ordered log, named as the GL, GLU or GLUT call the desktop makes for it.

#include "graphics/graphics.h"

#include <string>
#include <vector>

namespace glrec {

// One call as the code made it: its function name and its arguments as doubles
// (the title of createWindow in text).
struct Call {
    std::string name;
    std::vector<double> args;
    std::string text;
};

struct Rgb {
    float r = 1.0F;
    float g = 1.0F;
    float b = 1.0F;
};

inline bool operator==(const Rgb& a, const Rgb& b) {
    return a.r == b.r && a.g == b.g && a.b == b.b;
}

struct Vertex {
    float x;
    float y;
    Rgb color; // the colour current when the vertex was sent
};

// One begin/end pair.
struct Primitive {
    graphics::Mode mode;
    std::vector<Vertex> vertices;
};

// One raster position and the characters drawn from it.
struct TextLine {
    float x;
    float y;
    std::string chars;
};

// The callbacks that the code registered, so that tests can act as the toolkit.
struct Toolkit {
    void (*display)() = nullptr;
    void (*idle)() = nullptr;
    void (*keyboard)(unsigned char, int, int) = nullptr;
    void (*keyboardUp)(unsigned char, int, int) = nullptr;
    void (*special)(int, int, int) = nullptr;
    void (*specialUp)(int, int, int) = nullptr;
    // What mainLoop does; by default it returns at once.
    void (*mainLoop)() = nullptr;
};

// Forgets every call and callback and makes white current again; recording is switched on.
void reset();
// Long runs switch recording off: calls are then only counted.
void setRecording(bool on);
long long callCount();

const std::vector<Call>& calls();
std::vector<std::string> callNames();
// The calls with this name, in order.
std::vector<Call> callsNamed(const std::string& name);

std::vector<Primitive> primitives();
std::vector<Primitive> primitivesOf(graphics::Mode mode);
std::vector<TextLine> textLines();
Rgb currentColor();

Toolkit& toolkit();

} // namespace glrec
