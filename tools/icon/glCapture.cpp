#include "tools/icon/glCapture.h"

#include <GL/freeglut.h>

#include <cstddef>
#include <utility>

namespace {

GLenum mode = GL_POINTS;
glcapture::Rgb current{1.0F, 1.0F, 1.0F};
std::vector<glcapture::Vertex> vertices;
std::vector<glcapture::Rgb> vertexColors;
std::vector<glcapture::Quad> quads;

} // namespace

std::vector<glcapture::Quad> glcapture::takeQuads() { return std::exchange(quads, {}); }

extern "C" {

// The text of the drawing library refers to the font; the icon draws none.
void* glutBitmapHelvetica12 = nullptr;

void glBegin(GLenum newMode) {
    mode = newMode;
    vertices.clear();
    vertexColors.clear();
}

// Only quads make the Earth; lines, points and fans are left out of the picture.
void glEnd() {
    if (mode != GL_QUADS) {
        return;
    }
    for (std::size_t i = 0; i + 4 <= vertices.size(); i += 4) {
        quads.push_back(
            {{vertices[i], vertices[i + 1], vertices[i + 2], vertices[i + 3]}, vertexColors[i]});
    }
}

void glVertex2f(GLfloat x, GLfloat y) {
    vertices.push_back({x, y});
    vertexColors.push_back(current);
}

void glColor3f(GLfloat r, GLfloat g, GLfloat b) { current = {r, g, b}; }
void glRasterPos2f(GLfloat /*x*/, GLfloat /*y*/) {}
void glutBitmapCharacter(void* /*font*/, int /*character*/) {}

} // extern "C"
