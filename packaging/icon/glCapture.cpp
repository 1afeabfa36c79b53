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

// A graphics backend of its own: the icon draws with the program's drawing code and keeps the
// quads; nothing else reaches a picture or a window.
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

void init(int* /*argc*/, char** /*argv*/) {}
void initWindowSize(int /*width*/, int /*height*/) {}
void initWindowPosition(int /*x*/, int /*y*/) {}
void initDisplayMode(unsigned int /*mode*/) {}
int createWindow(const char* /*title*/) { return 0; }
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
