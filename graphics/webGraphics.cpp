// The page's drawing: the program's immediate-mode calls over WebGL. Each begin/end pair becomes
// triangles, every vertex with the colour current when it was sent, and the triangles of a whole
// frame go to the driver in one draw: the Earth alone is some 1 900 quads a frame, and a draw
// apiece would leave software WebGL far short of 30 frames a second. Lines and points become
// triangles too, one picture pixel wide: WebGL draws lines one device pixel wide at most, so
// they would thin out as the picture grows, and the picture at any size is the window's scaled.

#include "graphics/graphics.h"

#include <GLES2/gl2.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <initializer_list>
#include <string>
#include <vector>

extern "C" {
// The page's hook for each frame drawn (web/library.js).
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

struct State {
    float red = 1.0F;
    float green = 1.0F;
    float blue = 1.0F;
    graphics::Mode mode = graphics::points;
    std::vector<Vertex> primitive; // the vertices since begin
    std::vector<Vertex> batch;     // triangles waiting to be drawn
    int drawCalls = 0;
    // The picture's region, as ortho2D gives it.
    double left = -1.0;
    double right = 1.0;
    double bottom = -1.0;
    double top = 1.0;
    float clearColor[4] = {0.0F, 0.0F, 0.0F, 0.0F};
    GLuint program = 0;
    GLuint buffer = 0;
    GLint projection = -1;
};

State& state() {
    static State s;
    return s;
}

const char* const vertexShader = R"(
attribute vec2 position;
attribute vec3 color;
uniform vec4 projection;
varying vec3 vColor;
void main() {
    gl_Position = vec4(position * projection.xy + projection.zw, 0.0, 1.0);
    vColor = color;
}
)";

const char* const fragmentShader = R"(
precision mediump float;
varying vec3 vColor;
void main() { gl_FragColor = vec4(vColor, 1.0); }
)";

// A shader that does not compile or a program that does not link draws nothing; the log says
// why, on the console. Shaders and programs report alike, each through its own pair of calls.
template <typename GetParameter, typename GetLog>
void reportFailure(GLuint object, GLenum status, GetParameter getParameter, GetLog getLog,
                   const char* what) {
    GLint succeeded = GL_FALSE;
    getParameter(object, status, &succeeded);
    if (succeeded == GL_TRUE) {
        return;
    }
    GLint length = 0;
    getParameter(object, GL_INFO_LOG_LENGTH, &length);
    std::string log(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    getLog(object, length, nullptr, log.data());
    std::fprintf(stderr, "Corvexa cannot draw: the %s failed.\n%s\n", what, log.c_str());
}

GLuint compile(GLenum type, const char* source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    reportFailure(shader, GL_COMPILE_STATUS, glGetShaderiv, glGetShaderInfoLog,
                  type == GL_VERTEX_SHADER ? "vertex shader's compilation"
                                           : "fragment shader's compilation");
    return shader;
}

void link(GLuint program) {
    glLinkProgram(program);
    reportFailure(program, GL_LINK_STATUS, glGetProgramiv, glGetProgramInfoLog, "shaders' link");
}

// The projection from the picture's coordinates to the viewport's.
void project(const State& s) {
    const double width = s.right - s.left;
    const double height = s.top - s.bottom;
    glUniform4f(s.projection, static_cast<float>(2.0 / width), static_cast<float>(2.0 / height),
                static_cast<float>(-(s.right + s.left) / width),
                static_cast<float>(-(s.top + s.bottom) / height));
}

// The shaders, the buffer and the state they need, made on the first draw and made again when
// the context was lost and restored, which takes every object made before with it.
void makeReady(State& s) {
    if (s.program != 0 && glIsProgram(s.program) == GL_TRUE) {
        return;
    }
    s.program = glCreateProgram();
    glAttachShader(s.program, compile(GL_VERTEX_SHADER, vertexShader));
    glAttachShader(s.program, compile(GL_FRAGMENT_SHADER, fragmentShader));
    glBindAttribLocation(s.program, 0, "position");
    glBindAttribLocation(s.program, 1, "color");
    link(s.program);
    glUseProgram(s.program);
    s.projection = glGetUniformLocation(s.program, "projection");
    project(s);
    glClearColor(s.clearColor[0], s.clearColor[1], s.clearColor[2], s.clearColor[3]);

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

void flush(State& s) {
    if (s.batch.empty()) {
        return;
    }
    makeReady(s);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(s.batch.size() * sizeof(Vertex)),
                 s.batch.data(), GL_STREAM_DRAW);
    glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(s.batch.size()));
    ++s.drawCalls;
    s.batch.clear();
}

void triangle(State& s, std::size_t a, std::size_t b, std::size_t c) {
    for (const std::size_t i : {a, b, c}) {
        s.batch.push_back(s.primitive[i]);
    }
}

Vertex moved(const Vertex& v, float dx, float dy) {
    return {v.x + dx, v.y + dy, v.red, v.green, v.blue};
}

// Four corners, as two triangles.
void quad(State& s, const Vertex& a, const Vertex& b, const Vertex& c, const Vertex& d) {
    s.batch.insert(s.batch.end(), {a, b, c, a, c, d});
}

// A line as a band one picture pixel wide along it, each end in its own vertex's colour; a
// line of no length draws nothing, as in GL.
void line(State& s, std::size_t from, std::size_t to) {
    const Vertex& a = s.primitive[from];
    const Vertex& b = s.primitive[to];
    const float length = std::hypot(b.x - a.x, b.y - a.y);
    if (length == 0.0F) {
        return;
    }
    const float nx = (a.y - b.y) * 0.5F / length;
    const float ny = (b.x - a.x) * 0.5F / length;
    quad(s, moved(a, nx, ny), moved(a, -nx, -ny), moved(b, -nx, -ny), moved(b, nx, ny));
}

// A point as the square of one picture pixel around it.
void point(State& s, std::size_t index) {
    const Vertex& p = s.primitive[index];
    quad(s, moved(p, -0.5F, -0.5F), moved(p, 0.5F, -0.5F), moved(p, 0.5F, 0.5F),
         moved(p, -0.5F, 0.5F));
}

// The primitive as triangles; a shape with too few vertices draws nothing, as in GL.
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
            point(s, i);
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

// Without WebGL no frame runs, so none of these reach GL before the first frame's clear.
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

void clearColor(float red, float green, float blue, float alpha) {
    State& s = state();
    s.clearColor[0] = red;
    s.clearColor[1] = green;
    s.clearColor[2] = blue;
    s.clearColor[3] = alpha;
    if (s.program != 0) {
        glClearColor(red, green, blue, alpha);
    }
}

// What was drawn before a clear is gone, as in GL: a shown frame that runs several world
// frames shows the last alone.
void clear(unsigned int mask) {
    State& s = state();
    if ((mask & graphics::colorBufferBit) != 0U) {
        s.batch.clear();
    }
    makeReady(s);
    glClear(mask);
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
