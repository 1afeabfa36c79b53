#include "support/glRecorder.h"

#include <GL/glu.h>

#include <initializer_list>

namespace glrec {
namespace {

std::vector<Call> log;
Toolkit registered;
bool recording = true;
long long counted = 0;

void record(const char* name, std::initializer_list<double> args, std::string text = {}) {
    ++counted;
    if (recording) {
        log.push_back(Call{name, std::vector<double>(args), std::move(text)});
    }
}

} // namespace

void reset() {
    log.clear();
    registered = Toolkit{};
    recording = true;
    counted = 0;
}

void setRecording(bool on) { recording = on; }
long long callCount() { return counted; }

const std::vector<Call>& calls() { return log; }

std::vector<std::string> callNames() {
    std::vector<std::string> names;
    for (const Call& call : log) {
        names.push_back(call.name);
    }
    return names;
}

std::vector<Call> callsNamed(const std::string& name) {
    std::vector<Call> found;
    for (const Call& call : log) {
        if (call.name == name) {
            found.push_back(call);
        }
    }
    return found;
}

std::vector<Primitive> primitives() {
    std::vector<Primitive> result;
    Rgb color;
    bool open = false;
    for (const Call& call : log) {
        if (call.name == "glColor3f") {
            color = Rgb{static_cast<float>(call.args[0]), static_cast<float>(call.args[1]),
                        static_cast<float>(call.args[2])};
        } else if (call.name == "glBegin") {
            result.push_back(Primitive{static_cast<GLenum>(call.args[0]), {}});
            open = true;
        } else if (call.name == "glVertex2f" && open) {
            result.back().vertices.push_back(
                Vertex{static_cast<float>(call.args[0]), static_cast<float>(call.args[1]), color});
        } else if (call.name == "glEnd") {
            open = false;
        }
    }
    return result;
}

std::vector<Primitive> primitivesOf(GLenum mode) {
    std::vector<Primitive> result;
    for (Primitive& primitive : primitives()) {
        if (primitive.mode == mode) {
            result.push_back(std::move(primitive));
        }
    }
    return result;
}

std::vector<TextLine> textLines() {
    std::vector<TextLine> lines;
    for (const Call& call : log) {
        if (call.name == "glRasterPos2f") {
            lines.push_back(
                TextLine{static_cast<float>(call.args[0]), static_cast<float>(call.args[1]), {}});
        } else if (call.name == "glutBitmapCharacter" && !lines.empty()) {
            lines.back().chars += static_cast<char>(call.args[0]);
        }
    }
    return lines;
}

Rgb currentColor() {
    Rgb color;
    for (const Call& call : log) {
        if (call.name == "glColor3f") {
            color = Rgb{static_cast<float>(call.args[0]), static_cast<float>(call.args[1]),
                        static_cast<float>(call.args[2])};
        }
    }
    return color;
}

Toolkit& toolkit() { return registered; }

} // namespace glrec

using glrec::record;

// The stand-ins, with the signatures of the real headers.
extern "C" {

void* glutBitmapHelvetica12 = nullptr;

void glBegin(GLenum mode) { record("glBegin", {static_cast<double>(mode)}); }
void glEnd() { record("glEnd", {}); }
void glVertex2f(GLfloat x, GLfloat y) { record("glVertex2f", {x, y}); }
void glColor3f(GLfloat r, GLfloat g, GLfloat b) { record("glColor3f", {r, g, b}); }
void glRasterPos2f(GLfloat x, GLfloat y) { record("glRasterPos2f", {x, y}); }
void glClear(GLbitfield mask) { record("glClear", {static_cast<double>(mask)}); }
void glClearColor(GLfloat r, GLfloat g, GLfloat b, GLfloat a) {
    record("glClearColor", {r, g, b, a});
}
void gluOrtho2D(GLdouble left, GLdouble right, GLdouble bottom, GLdouble top) {
    record("gluOrtho2D", {left, right, bottom, top});
}

void glutInit(int* pargc, char** /*argv*/) { record("glutInit", {static_cast<double>(*pargc)}); }
void glutInitWindowSize(int width, int height) {
    record("glutInitWindowSize", {static_cast<double>(width), static_cast<double>(height)});
}
void glutInitWindowPosition(int x, int y) {
    record("glutInitWindowPosition", {static_cast<double>(x), static_cast<double>(y)});
}
void glutInitDisplayMode(unsigned int mode) {
    record("glutInitDisplayMode", {static_cast<double>(mode)});
}
int glutCreateWindow(const char* title) {
    record("glutCreateWindow", {}, title);
    return 1;
}
void glutIgnoreKeyRepeat(int ignore) {
    record("glutIgnoreKeyRepeat", {static_cast<double>(ignore)});
}
void glutSetOption(GLenum option, int value) {
    record("glutSetOption", {static_cast<double>(option), static_cast<double>(value)});
}
void glutDisplayFunc(void (*callback)()) {
    record("glutDisplayFunc", {});
    glrec::toolkit().display = callback;
}
void glutIdleFunc(void (*callback)()) {
    record("glutIdleFunc", {});
    glrec::toolkit().idle = callback;
}
void glutKeyboardFunc(void (*callback)(unsigned char, int, int)) {
    record("glutKeyboardFunc", {});
    glrec::toolkit().keyboard = callback;
}
void glutKeyboardUpFunc(void (*callback)(unsigned char, int, int)) {
    record("glutKeyboardUpFunc", {});
    glrec::toolkit().keyboardUp = callback;
}
void glutSpecialFunc(void (*callback)(int, int, int)) {
    record("glutSpecialFunc", {});
    glrec::toolkit().special = callback;
}
void glutSpecialUpFunc(void (*callback)(int, int, int)) {
    record("glutSpecialUpFunc", {});
    glrec::toolkit().specialUp = callback;
}
void glutMainLoop() {
    record("glutMainLoop", {});
    if (glrec::toolkit().mainLoop != nullptr) {
        glrec::toolkit().mainLoop();
    }
}
void glutSwapBuffers() { record("glutSwapBuffers", {}); }
void glutBitmapCharacter(void* /*font*/, int character) {
    record("glutBitmapCharacter", {static_cast<double>(character)});
}

} // extern "C"
