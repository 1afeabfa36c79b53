#pragma once

// The calls the program makes to draw and to run its window, and no others. Every graphics
// backend implements exactly this set: the desktop's (systemGraphics.cpp, one GL, GLU or GLUT
// call for each), calls that do nothing (nullGraphics.cpp), the page's WebGL (webGraphics.cpp),
// the tests' recorder and the icon drawer's capture. A program links exactly one, so a missing
// call is a link error that names it.
//
// The constants carry the values of the GL and GLUT names they stand for, so that a backend
// passes them on unchanged; systemGraphics.cpp checks each against the real headers.
namespace graphics {

// What begin draws, as glBegin takes it.
enum Mode : unsigned int {
    points = 0x0000,
    lines = 0x0001,
    lineLoop = 0x0002,
    lineStrip = 0x0003,
    triangles = 0x0004,
    triangleStrip = 0x0005,
    triangleFan = 0x0006,
    quads = 0x0007,
    polygon = 0x0009,
};

constexpr unsigned int colorBufferBit = 0x00004000; // for clear
constexpr unsigned int displayDouble = 0x0002;      // for initDisplayMode: double buffered

// setOption: what closing the window does.
constexpr int actionOnWindowClose = 0x01F9;
constexpr int actionExit = 0;
constexpr int actionMainLoopReturns = 1;
constexpr int actionContinueExecution = 2;

// The codes the special-key callbacks receive.
enum Key : int {
    keyF1 = 0x0001,
    keyLeft = 0x0064,
    keyUp = 0x0065,
    keyRight = 0x0066,
    keyDown = 0x0067,
    keyPageUp = 0x0068,
    keyPageDown = 0x0069,
    keyHome = 0x006A,
    keyEnd = 0x006B,
};

using DisplayCallback = void (*)();
using KeyboardCallback = void (*)(unsigned char key, int x, int y);
using SpecialCallback = void (*)(int key, int x, int y);

// Drawing, in the picture's coordinates.
void begin(Mode mode);
void end();
void vertex2f(float x, float y);
void color3f(float red, float green, float blue); // 0 to 1
void rasterPos2f(float x, float y);
void bitmapCharacter(int character); // in 12-point Helvetica, from the raster position on
void clear(unsigned int mask);
void clearColor(float red, float green, float blue, float alpha);
void ortho2D(double left, double right, double bottom, double top);

// The window and its loop.
void init(int* argc, char** argv);
void initWindowSize(int width, int height);
void initWindowPosition(int x, int y);
void initDisplayMode(unsigned int mode);
int createWindow(const char* title);
void ignoreKeyRepeat(int ignore);
void setOption(int option, int value);
void displayFunc(DisplayCallback callback);
void idleFunc(DisplayCallback callback);
void keyboardFunc(KeyboardCallback callback);
void keyboardUpFunc(KeyboardCallback callback);
void specialFunc(SpecialCallback callback);
void specialUpFunc(SpecialCallback callback);
void mainLoop();
void swapBuffers();

} // namespace graphics
