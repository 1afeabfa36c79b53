#pragma once

// The icon made from quads the program draws: a raster for the PNG sizes and a vector picture
// for the scalable one. The quads lie in a square of side 2 * half pixels around the origin,
// y up; the icon shows that square.

#include "packaging/icon/glCapture.h"

#include <string>
#include <vector>

// Straight (not premultiplied) RGBA, 8 bits a component, rows from the top.
struct Picture {
    int size = 0; // pixels on each side
    std::vector<unsigned char> rgba;
};

// Each pixel is the mean of samples x samples points spread evenly over it: the alpha is the
// share of points that some quad covers, the colour the mean over those points.
Picture rasterise(const std::vector<glcapture::Quad>& quads, double half, int size, int samples);

// A PNG file of the picture, deflated by libpng; throws std::runtime_error with libpng's
// message if it cannot be made.
std::string encodePng(const Picture& picture);

// An SVG file drawing the quads at size pixels, with runs of touching same-coloured squares
// joined into one rectangle.
std::string encodeSvg(const std::vector<glcapture::Quad>& quads, double half, int size);
