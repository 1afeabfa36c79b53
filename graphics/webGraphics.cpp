// The page's drawing: the program's immediate-mode calls over WebGL. Each begin/end pair becomes
// triangles, lines or points, every vertex with the colour current when it was sent, and
// consecutive primitives of one kind go to the driver in one draw: the Earth alone is some 1 900
// quads a frame, and a draw apiece would leave software WebGL far short of 30 frames a second.

#include "graphics/graphics.h"

#include <GLES2/gl2.h>

#include <cstddef>
#include <initializer_list>
#include <vector>

extern "C" {
// The page's hook for each frame drawn (tools/web/library.js).
void corvexa_frame_drawn(int drawCalls);
}

namespace {

struct Vertex {
    float x;
    float y;
    float red;
    float green;
    float blue;
};

// What the driver draws: the modes that WebGL still has.
enum class Kind { none, triangles, lines, points };

struct State {
    float red = 1.0F;
    float green = 1.0F;
    float blue = 1.0F;
    graphics::Mode mode = graphics::points;
    std::vector<Vertex> primitive; // the vertices since begin
    Kind kind = Kind::none;
    std::vector<Vertex> batch; // primitives of one kind, waiting to be drawn
    int drawCalls = 0;
    // The picture's region, as ortho2D gives it.
    double left = -1.0;
    double right = 1.0;
    double bottom = -1.0;
    double top = 1.0;
    GLuint program = 0;
    GLuint buffer = 0;
    GLint projection = -1;
    GLint pointSize = -1;
};

State& state() {
    static State s;
    return s;
}

const char* const vertexShader = R"(
attribute vec2 position;
attribute vec3 color;
uniform vec4 projection;
uniform float pointSize;
varying vec3 vColor;
void main() {
    gl_Position = vec4(position * projection.xy + projection.zw, 0.0, 1.0);
    gl_PointSize = pointSize;
    vColor = color;
}
)";

const char* const fragmentShader = R"(
precision mediump float;
varying vec3 vColor;
void main() { gl_FragColor = vec4(vColor, 1.0); }
)";

GLuint compile(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

void setUp(State& s) {
    s.program = glCreateProgram();
    glAttachShader(s.program, compile(GL_VERTEX_SHADER, vertexShader));
    glAttachShader(s.program, compile(GL_FRAGMENT_SHADER, fragmentShader));
    glBindAttribLocation(s.program, 0, "position");
    glBindAttribLocation(s.program, 1, "color");
    glLinkProgram(s.program);
    glUseProgram(s.program);
    s.projection = glGetUniformLocation(s.program, "projection");
    s.pointSize = glGetUniformLocation(s.program, "pointSize");

    glGenBuffers(1, &s.buffer);
    glBindBuffer(GL_ARRAY_BUFFER, s.buffer);
    glEnableVertexAttribArray(0);
    glEnableVertexAttribArray(1);
    // GL takes the offset into the bound buffer in place of a pointer.
    const void* const colorOffset =
        reinterpret_cast<const void*>(offsetof(Vertex, red)); // NOLINT(performance-no-int-to-ptr)
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, sizeof(Vertex), nullptr);
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex), colorOffset);
}

// The projection, and points one picture pixel wide however many device pixels that is.
void project(State& s) {
    const double width = s.right - s.left;
    const double height = s.top - s.bottom;
    glUniform4f(s.projection, static_cast<float>(2.0 / width), static_cast<float>(2.0 / height),
                static_cast<float>(-(s.right + s.left) / width),
                static_cast<float>(-(s.top + s.bottom) / height));
    GLint viewport[4] = {0, 0, 1, 1};
    glGetIntegerv(GL_VIEWPORT, viewport);
    const double scale = viewport[2] / width;
    glUniform1f(s.pointSize, static_cast<float>(scale < 1.0 ? 1.0 : scale));
}

void flush(State& s) {
    if (s.batch.empty()) {
        return;
    }
    if (s.program == 0) {
        setUp(s);
        project(s);
    }
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(s.batch.size() * sizeof(Vertex)),
                 s.batch.data(), GL_STREAM_DRAW);
    const GLenum mode = s.kind == Kind::triangles ? GL_TRIANGLES
                        : s.kind == Kind::lines   ? GL_LINES
                                                  : GL_POINTS;
    glDrawArrays(mode, 0, static_cast<GLsizei>(s.batch.size()));
    ++s.drawCalls;
    s.batch.clear();
}

void append(State& s, Kind kind, std::size_t index) {
    if (kind != s.kind) {
        flush(s);
        s.kind = kind;
    }
    s.batch.push_back(s.primitive[index]);
}

void triangle(State& s, std::size_t a, std::size_t b, std::size_t c) {
    for (const std::size_t i : {a, b, c}) {
        append(s, Kind::triangles, i);
    }
}

void line(State& s, std::size_t a, std::size_t b) {
    append(s, Kind::lines, a);
    append(s, Kind::lines, b);
}

// The primitive as the kinds WebGL draws; a shape with too few vertices draws nothing, as in GL.
void emit(State& s) {
    const std::size_t n = s.primitive.size();
    switch (s.mode) {
    case graphics::quads:
        for (std::size_t i = 0; i + 3 < n; i += 4) {
            triangle(s, i, i + 1, i + 2);
            triangle(s, i, i + 2, i + 3);
        }
        break;
    case graphics::triangles:
        for (std::size_t i = 0; i + 2 < n; i += 3) {
            triangle(s, i, i + 1, i + 2);
        }
        break;
    case graphics::triangleFan:
    case graphics::polygon:
        for (std::size_t i = 1; i + 1 < n; ++i) {
            triangle(s, 0, i, i + 1);
        }
        break;
    case graphics::triangleStrip:
        for (std::size_t i = 0; i + 2 < n; ++i) {
            triangle(s, i, i + 1, i + 2);
        }
        break;
    case graphics::lines:
        for (std::size_t i = 0; i + 1 < n; i += 2) {
            line(s, i, i + 1);
        }
        break;
    case graphics::lineStrip:
    case graphics::lineLoop:
        for (std::size_t i = 0; i + 1 < n; ++i) {
            line(s, i, i + 1);
        }
        if (s.mode == graphics::lineLoop && n > 2) {
            line(s, n - 1, 0);
        }
        break;
    case graphics::points:
        for (std::size_t i = 0; i < n; ++i) {
            append(s, Kind::points, i);
        }
        break;
    default:
        break;
    }
}

} // namespace

namespace graphics {

void begin(Mode mode) {
    State& s = state();
    s.mode = mode;
    s.primitive.clear();
}

void end() {
    State& s = state();
    emit(s);
    s.primitive.clear();
}

void vertex2f(float x, float y) {
    State& s = state();
    s.primitive.push_back({x, y, s.red, s.green, s.blue});
}

void color3f(float red, float green, float blue) {
    State& s = state();
    s.red = red;
    s.green = green;
    s.blue = blue;
}

void ortho2D(double left, double right, double bottom, double top) {
    State& s = state();
    flush(s);
    s.left = left;
    s.right = right;
    s.bottom = bottom;
    s.top = top;
    if (s.program != 0) {
        project(s);
    }
}

void clear(unsigned int mask) { glClear(mask); }
void clearColor(float red, float green, float blue, float alpha) {
    glClearColor(red, green, blue, alpha);
}

// Nothing in the running picture draws text, and the page has no bitmap fonts.
void rasterPos2f(float /*x*/, float /*y*/) {}
void bitmapCharacter(int /*character*/) {}

// The browser shows the picture when the frame's callback returns; what is left is to draw
// the last batch.
void swapBuffers() {
    State& s = state();
    flush(s);
    corvexa_frame_drawn(s.drawCalls);
    s.drawCalls = 0;
}

} // namespace graphics
