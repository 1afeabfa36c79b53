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

// A PNG file of the picture. The pixel data is stored uncompressed, in deflate's stored
// blocks, which every PNG reader accepts.
std::string encodePng(const Picture& picture);

// A Windows icon file of the pictures, in the order given. Those under 256 pixels are 32-bit
// bitmaps with the 1-bit mask that screens without alpha use, as every version of Windows reads
// them; one of 256 pixels is a PNG, the form Windows takes at that size since Vista.
std::string encodeIco(const std::vector<Picture>& pictures);

// An SVG file drawing the quads at size pixels, with runs of touching same-coloured squares
// joined into one rectangle.
std::string encodeSvg(const std::vector<glcapture::Quad>& quads, double half, int size);
