// Draws Corvexa's icon: the Earth exactly as the program draws it, through the same tables and
// the same drawing code, rasterised to PNG at 64, 128 and 256 pixels and written as SVG, or
// rasterised for Windows' icon file.
//
//   corvexa_icon OUTPUT_DIRECTORY   writes corvexa-64.png, corvexa-128.png, corvexa-256.png
//                                   and corvexa.svg
//   corvexa_icon OUTPUT_DIRECTORY SIZE...
//                                   writes corvexa-SIZE.png at each size and corvexa.svg
//   corvexa_icon --ico FILE         writes FILE, the Windows icon of 16, 32, 48 and 256 pixels

#include "packaging/icon/glCapture.h"
#include "packaging/icon/iconImage.h"
#include "ui/uiDraw.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr int pngSizes[] = {64, 128, 256};
// The sizes Windows shows: small and large icons at 100 % and 150 % scale, and its largest.
constexpr int icoSizes[] = {16, 32, 48, 256};
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
    const bool ico = argc == 3 && std::string(argv[1]) == "--ico";
    std::vector<int> sizes(std::begin(pngSizes), std::end(pngSizes));
    if (!ico && argc > 2) {
        sizes.clear();
        for (int i = 2; i < argc; ++i) {
            sizes.push_back(std::atoi(argv[i]));
        }
    }
    const bool badSize =
        std::any_of(sizes.begin(), sizes.end(), [](int size) { return size <= 0; });
    if (argc < 2 || (!ico && badSize)) {
        std::cerr << "usage: corvexa_icon OUTPUT_DIRECTORY [SIZE...] | corvexa_icon --ico FILE\n";
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

    if (ico) {
        std::vector<Picture> pictures;
        for (const int size : icoSizes) {
            pictures.push_back(rasterise(quads, half, size, samplesPerPixel));
        }
        return writeFile(argv[2], encodeIco(pictures)) ? 0 : 1;
    }

    const std::string directory = argv[1];
    for (const int size : sizes) {
        const Picture picture = rasterise(quads, half, size, samplesPerPixel);
        if (!writeFile(directory + "/corvexa-" + std::to_string(size) + ".png",
                       encodePng(picture))) {
            return 1;
        }
    }
    return writeFile(directory + "/corvexa.svg", encodeSvg(quads, half, pngSizes[2])) ? 0 : 1;
}
