#include "packaging/icon/glCapture.h"

#include "graphics/graphics.h"

#include <cstddef>
#include <utility>

namespace {

graphics::Mode mode = graphics::points;
glcapture::Rgb current{1.0F, 1.0F, 1.0F};
std::vector<glcapture::Vertex> vertices;
std::vector<glcapture::Rgb> vertexColors;
std::vector<glcapture::Quad> capturedQuads;

} // namespace

std::vector<glcapture::Quad> glcapture::takeQuads() { return std::exchange(capturedQuads, {}); }

// The drawing half of a graphics backend of its own (the window half is graphics/noWindow.cpp):
// the icon draws with the program's drawing code and keeps the quads.
namespace graphics {

void begin(Mode newMode) {
    mode = newMode;
    vertices.clear();
    vertexColors.clear();
}

// Only quads make the Earth; lines, points and fans are left out of the picture.
void end() {
    if (mode != quads) {
        return;
    }
    for (std::size_t i = 0; i + 4 <= vertices.size(); i += 4) {
        capturedQuads.push_back(
            {{vertices[i], vertices[i + 1], vertices[i + 2], vertices[i + 3]}, vertexColors[i]});
    }
}

void vertex2f(float x, float y) {
    vertices.push_back({x, y});
    vertexColors.push_back(current);
}

void color3f(float red, float green, float blue) { current = {red, green, blue}; }
void rasterPos2f(float /*x*/, float /*y*/) {}
void bitmapCharacter(int /*character*/) {}
void clear(unsigned int /*mask*/) {}
void clearColor(float /*red*/, float /*green*/, float /*blue*/, float /*alpha*/) {}
void ortho2D(double /*left*/, double /*right*/, double /*bottom*/, double /*top*/) {}

} // namespace graphics
