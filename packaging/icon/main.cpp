// Draws Corvexa's icon: the Earth exactly as the program draws it, through the same tables and
// the same drawing code, rasterised to PNG at 64, 128 and 256 pixels and written as SVG.
//
//   corvexa_icon OUTPUT_DIRECTORY   writes corvexa-64.png, corvexa-128.png, corvexa-256.png
//                                   and corvexa.svg

#include "packaging/icon/glCapture.h"
#include "packaging/icon/iconImage.h"
#include "ui/uiDraw.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <string>

namespace {

constexpr int pngSizes[] = {64, 128, 256};
// Points per pixel on each side: enough that the edges of the 1.28 pixel cells of the smallest
// size blend smoothly.
constexpr int samplesPerPixel = 8;

bool writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    out.close();
    if (!out) {
        std::cerr << "corvexa_icon: cannot write " << path << '\n';
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: corvexa_icon OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::string directory = argv[1];

    {
        ogstream gout;
        gout.drawEarth(Position(), 0.0);
    }
    const std::vector<glcapture::Quad> quads = glcapture::takeQuads();
    if (quads.empty()) {
        std::cerr << "corvexa_icon: the Earth drew nothing\n";
        return 1;
    }
    // The icon is the smallest square around the origin that holds the whole picture.
    double half = 0.0;
    for (const glcapture::Quad& quad : quads) {
        for (const glcapture::Vertex& v : quad.corners) {
            half = std::max({half, std::abs(v.x), std::abs(v.y)});
        }
    }

    for (const int size : pngSizes) {
        const Picture picture = rasterise(quads, half, size, samplesPerPixel);
        if (!writeFile(directory + "/corvexa-" + std::to_string(size) + ".png",
                       encodePng(picture))) {
            return 1;
        }
    }
    return writeFile(directory + "/corvexa.svg", encodeSvg(quads, half, pngSizes[2])) ? 0 : 1;
}
