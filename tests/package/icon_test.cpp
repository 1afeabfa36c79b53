#include "packaging/icon/glCapture.h"
#include "packaging/icon/iconImage.h"
#include "ui/uiDraw.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <set>
#include <sstream>
#include <string>
#include <vector>

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

std::uint32_t bigEndian(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    }
    return value;
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

// The PNG's framing read back by hand: header, stored deflate blocks holding each row after
// filter byte 0, and the trailer.
TEST(Icon, PngStoresEveryRowUnfiltered) {
    Picture picture;
    picture.size = 130; // 67 730 bytes of rows: two stored blocks
    for (int i = 0; i < 130 * 130 * 4; ++i) {
        picture.rgba.push_back(static_cast<unsigned char>(i * 7));
    }
    const std::string png = encodePng(picture);
    ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
    EXPECT_EQ(png.substr(12, 4), "IHDR");
    EXPECT_EQ(bigEndian(png, 16), 130U);
    EXPECT_EQ(bigEndian(png, 20), 130U);
    EXPECT_EQ(png.substr(png.size() - 12), std::string("\0\0\0\0IEND\xae\x42\x60\x82", 12));

    const std::size_t idat = 33;
    ASSERT_EQ(png.substr(idat + 4, 4), "IDAT");
    std::string rows;
    std::size_t at = idat + 8 + 2; // past the length, the type and the zlib header
    bool last = false;
    while (!last) {
        last = png[at] == 1;
        const std::size_t length =
            static_cast<unsigned char>(png[at + 1]) | static_cast<unsigned char>(png[at + 2]) << 8U;
        rows += png.substr(at + 5, length);
        at += 5 + length;
    }
    ASSERT_EQ(rows.size(), 130U * (1 + 130 * 4));
    for (std::size_t y = 0; y < 130; ++y) {
        EXPECT_EQ(rows[y * 521], '\0');
        EXPECT_EQ(0, rows.compare(y * 521 + 1, 520,
                                  reinterpret_cast<const char*>(&picture.rgba[y * 520]), 520));
    }
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

// The icon file read back by hand: the directory, a bitmap bottom row first with its mask (rows
// of 48 pixels padded to 8 bytes), and the largest size stored as the PNG itself.
TEST(Icon, IcoHoldsAMaskedBitmapAndThePngAtTheLargestSize) {
    // Each pixel tells its place: red its column, green its row. Every fifth diagonal is just
    // under half covered, which the mask leaves out.
    std::vector<Picture> pictures;
    for (const int size : {48, 256}) {
        Picture picture;
        picture.size = size;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const unsigned char alpha = (x + y) % 5 == 0 ? 127 : 128;
                picture.rgba.insert(picture.rgba.end(), {static_cast<unsigned char>(x),
                                                         static_cast<unsigned char>(y), 7, alpha});
            }
        }
        pictures.push_back(picture);
    }
    const std::string ico = encodeIco(pictures);
    const auto little = [&](std::size_t at, std::size_t count) {
        std::uint32_t value = 0;
        for (std::size_t i = count; i-- > 0;) {
            value = (value << 8) | static_cast<unsigned char>(ico[at + i]);
        }
        return value;
    };
    // An icon of two images; each entry: width and height (0 for 256), no palette, one plane of
    // 32 bits, length and offset.
    EXPECT_EQ(little(0, 4), 0x0001'0000U);
    EXPECT_EQ(little(4, 2), 2U);
    EXPECT_EQ(little(6, 4), 0x3030U);
    EXPECT_EQ(little(22, 4), 0U);
    EXPECT_EQ(little(10, 4), 0x0020'0001U);
    EXPECT_EQ(little(26, 4), 0x0020'0001U);
    const std::size_t bitmap = little(18, 4);
    const std::size_t png = little(34, 4);
    EXPECT_EQ(bitmap, 6U + 2 * 16);
    ASSERT_EQ(little(14, 4), 40U + 48 * 48 * 4 + 48 * 8);
    EXPECT_EQ(png, bitmap + little(14, 4));
    EXPECT_EQ(little(30, 4), ico.size() - png);
    EXPECT_EQ(ico.substr(png), encodePng(pictures[1]));

    // The bitmap's header: its own size, the width, the height of colours and mask together,
    // one plane of 32 bits, no compression.
    EXPECT_EQ(little(bitmap, 4), 40U);
    EXPECT_EQ(little(bitmap + 4, 4), 48U);
    EXPECT_EQ(little(bitmap + 8, 4), 96U);
    EXPECT_EQ(little(bitmap + 12, 4), 0x0020'0001U);
    EXPECT_EQ(little(bitmap + 16, 4), 0U);
    const std::size_t colors = bitmap + 40;
    const std::size_t mask = colors + 48 * 48 * 4;
    for (std::uint32_t y = 0; y < 48; ++y) {
        const std::size_t row = 47 - y;
        for (std::uint32_t x = 0; x < 48; ++x) {
            const std::uint32_t alpha = (x + y) % 5 == 0 ? 127 : 128;
            ASSERT_EQ(little(colors + (row * 48 + x) * 4, 4), alpha << 24 | x << 16 | y << 8 | 7);
            ASSERT_EQ((little(mask + row * 8 + x / 8, 1) >> (7 - x % 8)) & 1U,
                      alpha < 128 ? 1U : 0U)
                << x << ',' << y;
        }
        ASSERT_EQ(little(mask + row * 8 + 6, 2), 0U);
    }
}
