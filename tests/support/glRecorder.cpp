#include "support/glRecorder.h"

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
            result.push_back(Primitive{static_cast<graphics::Mode>(call.args[0]), {}});
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

std::vector<Primitive> primitivesOf(graphics::Mode mode) {
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

// The stand-ins, recorded under the names of the GL, GLU and GLUT calls that the desktop makes
// for them, with the same arguments.
namespace graphics {

void begin(Mode mode) { record("glBegin", {static_cast<double>(mode)}); }
void end() { record("glEnd", {}); }
void vertex2f(float x, float y) { record("glVertex2f", {x, y}); }
void color3f(float red, float green, float blue) { record("glColor3f", {red, green, blue}); }
void rasterPos2f(float x, float y) { record("glRasterPos2f", {x, y}); }
void bitmapCharacter(int character) {
    record("glutBitmapCharacter", {static_cast<double>(character)});
}
void clear(unsigned int mask) { record("glClear", {static_cast<double>(mask)}); }
void clearColor(float red, float green, float blue, float alpha) {
    record("glClearColor", {red, green, blue, alpha});
}
void ortho2D(double left, double right, double bottom, double top) {
    record("gluOrtho2D", {left, right, bottom, top});
}

void init(int* argc, char** /*argv*/) { record("glutInit", {static_cast<double>(*argc)}); }
void initWindowSize(int width, int height) {
    record("glutInitWindowSize", {static_cast<double>(width), static_cast<double>(height)});
}
void initWindowPosition(int x, int y) {
    record("glutInitWindowPosition", {static_cast<double>(x), static_cast<double>(y)});
}
void initDisplayMode(unsigned int mode) {
    record("glutInitDisplayMode", {static_cast<double>(mode)});
}
int createWindow(const char* title) {
    record("glutCreateWindow", {}, title);
    return 1;
}
void ignoreKeyRepeat(int ignore) { record("glutIgnoreKeyRepeat", {static_cast<double>(ignore)}); }
void setOption(int option, int value) {
    record("glutSetOption", {static_cast<double>(option), static_cast<double>(value)});
}
void displayFunc(DisplayCallback callback) {
    record("glutDisplayFunc", {});
    glrec::toolkit().display = callback;
}
void idleFunc(DisplayCallback callback) {
    record("glutIdleFunc", {});
    glrec::toolkit().idle = callback;
}
void keyboardFunc(KeyboardCallback callback) {
    record("glutKeyboardFunc", {});
    glrec::toolkit().keyboard = callback;
}
void keyboardUpFunc(KeyboardCallback callback) {
    record("glutKeyboardUpFunc", {});
    glrec::toolkit().keyboardUp = callback;
}
void specialFunc(SpecialCallback callback) {
    record("glutSpecialFunc", {});
    glrec::toolkit().special = callback;
}
void specialUpFunc(SpecialCallback callback) {
    record("glutSpecialUpFunc", {});
    glrec::toolkit().specialUp = callback;
}
void mainLoop() {
    record("glutMainLoop", {});
    if (glrec::toolkit().mainLoop != nullptr) {
        glrec::toolkit().mainLoop();
    }
}
void swapBuffers() { record("glutSwapBuffers", {}); }

} // namespace graphics
