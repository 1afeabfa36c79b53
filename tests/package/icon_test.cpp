#include "packaging/icon/glCapture.h"
#include "packaging/icon/iconImage.h"
#include "ui/uiDraw.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <png.h>

namespace {

constexpr double half = 50.0; // the Earth picture's half width in pixels

std::vector<glcapture::Quad> drawnEarth() {
    {
        ogstream gout;
        gout.drawEarth(Position(), 0.0);
    }
    return glcapture::takeQuads();
}

const unsigned char* pixel(const Picture& picture, int x, int y) {
    return &picture.rgba[(static_cast<std::size_t>(y) * picture.size + x) * 4];
}

} // namespace

// With one sample a pixel and a pixel a cell, the raster is the Earth's table itself.
TEST(Icon, OnePixelPerCellShowsEachCellAsDrawn) {
    const std::vector<glcapture::Quad> quads = drawnEarth();
    ASSERT_GT(quads.size(), 1000U);
    const Picture picture = rasterise(quads, half, 50, 1);
    int opaque = 0;
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) {
        ASSERT_TRUE(picture.rgba[i] == 0 || picture.rgba[i] == 255);
        opaque += picture.rgba[i] == 255 ? 1 : 0;
    }
    EXPECT_EQ(opaque, static_cast<int>(quads.size()));
    for (const glcapture::Quad& quad : quads) {
        const double x = (quad.corners[0].x + quad.corners[2].x) / 2.0;
        const double y = (quad.corners[0].y + quad.corners[2].y) / 2.0;
        const unsigned char* p =
            pixel(picture, static_cast<int>((x + half) / 2.0), static_cast<int>((half - y) / 2.0));
        EXPECT_EQ(p[0], static_cast<int>(quad.color.r * 255.0F + 0.5F));
        EXPECT_EQ(p[1], static_cast<int>(quad.color.g * 255.0F + 0.5F));
        EXPECT_EQ(p[2], static_cast<int>(quad.color.b * 255.0F + 0.5F));
    }
}

// At 64 pixels a cell is 1.28 pixels wide: the rim blends, the corners stay clear, and the
// covered share of the square is the disc's.
TEST(Icon, SmallSizeBlendsTheRimAndKeepsTheArea) {
    const std::vector<glcapture::Quad> quads = drawnEarth();
    const Picture picture = rasterise(quads, half, 64, 8);
    EXPECT_EQ(pixel(picture, 0, 0)[3], 0);
    EXPECT_EQ(pixel(picture, 63, 63)[3], 0);
    EXPECT_EQ(pixel(picture, 32, 32)[3], 255);
    double coverage = 0.0;
    int partial = 0;
    for (std::size_t i = 3; i < picture.rgba.size(); i += 4) {
        coverage += picture.rgba[i] / 255.0;
        partial += picture.rgba[i] > 0 && picture.rgba[i] < 255 ? 1 : 0;
    }
    EXPECT_GT(partial, 50);
    const double drawnShare = quads.size() * 4.0 / (4.0 * half * half);
    EXPECT_NEAR(coverage / (64.0 * 64.0), drawnShare, 0.005);
}

// Read back by libpng's own reader, the PNG is the picture to the last byte, and the Earth's
// large flat areas deflate to a small share of their raw size.
TEST(Icon, PngReadsBackAsDrawnAndDeflated) {
    const Picture picture = rasterise(drawnEarth(), half, 256, 8);
    const std::string png = encodePng(picture);
    EXPECT_LT(png.size(), picture.rgba.size() / 20);

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_memory(&image, png.data(), png.size()), 0) << image.message;
    EXPECT_EQ(image.width, 256U);
    EXPECT_EQ(image.height, 256U);
    image.format = PNG_FORMAT_RGBA;
    std::vector<unsigned char> rgba(picture.rgba.size());
    ASSERT_NE(png_image_finish_read(&image, nullptr, rgba.data(), 0, nullptr), 0) << image.message;
    EXPECT_TRUE(rgba == picture.rgba);
}

// The joined rectangles cover exactly the drawn cells, in the drawn colours.
TEST(Icon, SvgCoversTheDrawnCellsWithFewerShapes) {
    const std::vector<glcapture::Quad> quads = drawnEarth();
    std::set<std::string> colors;
    for (const glcapture::Quad& quad : quads) {
        char text[8];
        std::snprintf(text, sizeof text, "#%02x%02x%02x",
                      static_cast<int>(quad.color.r * 255.0F + 0.5F),
                      static_cast<int>(quad.color.g * 255.0F + 0.5F),
                      static_cast<int>(quad.color.b * 255.0F + 0.5F));
        colors.insert(text);
    }
    std::istringstream svg(encodeSvg(quads, half, 256));
    std::string line;
    double area = 0.0;
    std::size_t rects = 0;
    while (std::getline(svg, line)) {
        double x = 0.0;
        double y = 0.0;
        double w = 0.0;
        double h = 0.0;
        char color[8] = {};
        if (std::sscanf(line.c_str(),
                        "<rect x=\"%lf\" y=\"%lf\" width=\"%lf\" height=\"%lf\" "
                        "fill=\"%7[#0-9a-f]\"/>",
                        &x, &y, &w, &h, color) == 5) {
            ++rects;
            area += w * h;
            EXPECT_EQ(colors.count(color), 1U) << line;
            EXPECT_TRUE(x >= 0.0 && y >= 0.0 && x + w <= 2 * half && y + h <= 2 * half);
        }
    }
    EXPECT_EQ(area, 4.0 * static_cast<double>(quads.size()));
    EXPECT_LT(rects, quads.size() / 3);
}
