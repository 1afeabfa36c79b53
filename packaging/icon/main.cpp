// Draws Corvexa's icon: the Earth exactly as the program draws it, through the same tables and
// the same drawing code, rasterised to PNG at 64, 128 and 256 pixels and written as SVG. Windows'
// icon file and the page's icons are made from its PNGs at their own sizes.
//
//   corvexa_icon OUTPUT_DIRECTORY   writes corvexa-64.png, corvexa-128.png, corvexa-256.png
//                                   and corvexa.svg
//   corvexa_icon OUTPUT_DIRECTORY SIZE...
//                                   writes corvexa-SIZE.png at each size (1 to 1024) and
//                                   corvexa.svg

#include "packaging/icon/glCapture.h"
#include "packaging/icon/iconImage.h"
#include "ui/uiDraw.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr int pngSizes[] = {64, 128, 256};
constexpr int largestSize = 1024;
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

// A size in whole pixels, or 0 for anything else.
int parseSize(const std::string& text) {
    if (text.empty() || text.size() > 4 ||
        !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    const int size = std::stoi(text);
    return size <= largestSize ? size : 0;
}

} // namespace

int main(int argc, char** argv) {
    std::vector<int> sizes(std::begin(pngSizes), std::end(pngSizes));
    if (argc > 2) {
        sizes.clear();
        for (int i = 2; i < argc; ++i) {
            sizes.push_back(parseSize(argv[i]));
        }
    }
    if (argc < 2 || std::find(sizes.begin(), sizes.end(), 0) != sizes.end()) {
        std::cerr << "usage: corvexa_icon OUTPUT_DIRECTORY [SIZE...], each size 1 to "
                  << largestSize << '\n';
        return 2;
    }

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

    const std::string directory = argv[1];
    for (const int size : sizes) {
        const std::string path = directory + "/corvexa-" + std::to_string(size) + ".png";
        try {
            if (!writeFile(path, encodePng(rasterise(quads, half, size, samplesPerPixel)))) {
                return 1;
            }
        } catch (const std::runtime_error& error) {
            std::cerr << "corvexa_icon: cannot make " << path << ": " << error.what() << '\n';
            return 1;
        }
    }
    return writeFile(directory + "/corvexa.svg", encodeSvg(quads, half, pngSizes[2])) ? 0 : 1;
}
