#pragma once

// A graphics backend that keeps every quad it is sent instead of drawing it, so that a picture
// the program draws can be rasterised off screen.

#include <vector>

namespace glcapture {

struct Vertex {
    double x; // pixels
    double y;
};

// The colour components on OpenGL's 0 to 1 scale.
struct Rgb {
    float r;
    float g;
    float b;
};

struct Quad {
    Vertex corners[4];
    Rgb color; // the colour current at the first corner
};

// The quads drawn since the last call, in drawing order; later quads cover earlier ones.
std::vector<Quad> takeQuads();

} // namespace glcapture
