#include "packaging/icon/iconImage.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <iomanip>
#include <sstream>

namespace {

using glcapture::Quad;
using glcapture::Vertex;

unsigned char toByte(double value) {
    return static_cast<unsigned char>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

// A convex quad in either winding contains the point when the point is on one side of all four
// edges.
bool contains(const Quad& quad, double x, double y) {
    bool anyLeft = false;
    bool anyRight = false;
    for (std::size_t i = 0; i < 4; ++i) {
        const Vertex& a = quad.corners[i];
        const Vertex& b = quad.corners[(i + 1) % 4];
        const double cross = (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
        anyLeft = anyLeft || cross > 0.0;
        anyRight = anyRight || cross < 0.0;
    }
    return !(anyLeft && anyRight);
}

} // namespace

Picture rasterise(const std::vector<Quad>& quads, double half, int size, int samples) {
    const int across = size * samples;
    const double step = 2.0 * half / across;
    // Which quad each sample point shows, -1 for none; later quads paint over earlier ones.
    std::vector<int> shown(static_cast<std::size_t>(across) * across, -1);
    const auto column = [&](double x) { return (x + half) / step - 0.5; };
    const auto row = [&](double y) { return (half - y) / step - 0.5; };
    for (std::size_t q = 0; q < quads.size(); ++q) {
        double left = half;
        double right = -half;
        double bottom = half;
        double top = -half;
        for (const Vertex& v : quads[q].corners) {
            left = std::min(left, v.x);
            right = std::max(right, v.x);
            bottom = std::min(bottom, v.y);
            top = std::max(top, v.y);
        }
        const int i0 = std::max(0, static_cast<int>(std::floor(column(left))));
        const int i1 = std::min(across - 1, static_cast<int>(std::ceil(column(right))));
        const int j0 = std::max(0, static_cast<int>(std::floor(row(top))));
        const int j1 = std::min(across - 1, static_cast<int>(std::ceil(row(bottom))));
        for (int j = j0; j <= j1; ++j) {
            for (int i = i0; i <= i1; ++i) {
                if (contains(quads[q], -half + (i + 0.5) * step, half - (j + 0.5) * step)) {
                    shown[static_cast<std::size_t>(j) * across + i] = static_cast<int>(q);
                }
            }
        }
    }

    Picture picture;
    picture.size = size;
    picture.rgba.reserve(static_cast<std::size_t>(size) * size * 4);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double r = 0.0;
            double g = 0.0;
            double b = 0.0;
            int covered = 0;
            for (int j = y * samples; j < (y + 1) * samples; ++j) {
                for (int i = x * samples; i < (x + 1) * samples; ++i) {
                    const int q = shown[static_cast<std::size_t>(j) * across + i];
                    if (q >= 0) {
                        const glcapture::Rgb& c = quads[static_cast<std::size_t>(q)].color;
                        r += c.r;
                        g += c.g;
                        b += c.b;
                        ++covered;
                    }
                }
            }
            const double n = std::max(covered, 1);
            picture.rgba.insert(picture.rgba.end(),
                                {toByte(r / n), toByte(g / n), toByte(b / n),
                                 toByte(static_cast<double>(covered) / (samples * samples))});
        }
    }
    return picture;
}

namespace {

std::uint32_t crc32(const std::string& bytes) {
    static const std::array<std::uint32_t, 256> table = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t n = 0; n < 256; ++n) {
            std::uint32_t c = n;
            for (int k = 0; k < 8; ++k) {
                c = (c & 1U) != 0 ? 0xEDB88320U ^ (c >> 1) : c >> 1;
            }
            t[n] = c;
        }
        return t;
    }();
    std::uint32_t c = 0xFFFFFFFFU;
    for (const char byte : bytes) {
        c = table[(c ^ static_cast<unsigned char>(byte)) & 0xFFU] ^ (c >> 8);
    }
    return c ^ 0xFFFFFFFFU;
}

std::uint32_t adler32(const std::string& bytes) {
    std::uint32_t a = 1;
    std::uint32_t b = 0;
    for (const char byte : bytes) {
        a = (a + static_cast<unsigned char>(byte)) % 65521U;
        b = (b + a) % 65521U;
    }
    return (b << 16) | a;
}

void putBigEndian(std::string& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out += static_cast<char>((value >> shift) & 0xFFU);
    }
}

void putChunk(std::string& out, const char* type, const std::string& data) {
    putBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string typed = type + data;
    out += typed;
    putBigEndian(out, crc32(typed));
}

// A zlib stream of stored blocks, each at most 65535 bytes.
std::string storedZlib(const std::string& data) {
    constexpr std::size_t blockLimit = 65535;
    std::string out = "\x78\x01";
    std::size_t offset = 0;
    do {
        const std::size_t length = std::min(blockLimit, data.size() - offset);
        const bool last = offset + length == data.size();
        out += static_cast<char>(last ? 1 : 0);
        const auto len = static_cast<std::uint16_t>(length);
        const auto nlen = static_cast<std::uint16_t>(~len);
        out += {static_cast<char>(len & 0xFFU), static_cast<char>(len >> 8),
                static_cast<char>(nlen & 0xFFU), static_cast<char>(nlen >> 8)};
        out.append(data, offset, length);
        offset += length;
    } while (offset < data.size());
    putBigEndian(out, adler32(data));
    return out;
}

} // namespace

std::string encodePng(const Picture& picture) {
    std::string header;
    putBigEndian(header, static_cast<std::uint32_t>(picture.size));
    putBigEndian(header, static_cast<std::uint32_t>(picture.size));
    // 8 bits a component, RGBA, deflate, adaptive filters, no interlace.
    header += {8, 6, 0, 0, 0};

    // Every row starts with filter type 0: the bytes as they are.
    std::string rows;
    const std::size_t rowBytes = static_cast<std::size_t>(picture.size) * 4;
    for (std::size_t offset = 0; offset < picture.rgba.size(); offset += rowBytes) {
        rows += '\0';
        rows.append(picture.rgba.begin() + static_cast<std::ptrdiff_t>(offset),
                    picture.rgba.begin() + static_cast<std::ptrdiff_t>(offset + rowBytes));
    }

    std::string png = "\x89PNG\r\n\x1a\n";
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", storedZlib(rows));
    putChunk(png, "IEND", "");
    return png;
}

namespace {

void putLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFFU);
    }
}

// A pixel less than half covered is left out of the mask.
constexpr unsigned char maskedBelowAlpha = 128;

// A bitmap as an icon holds it: the header of a bitmap twice the picture's height, for the
// colours and then the mask, each from the bottom row up; colours as BGRA, mask rows padded to
// 32 bits, a set bit where the picture is clear.
std::string iconBitmap(const Picture& picture) {
    const auto size = static_cast<std::uint32_t>(picture.size);
    const std::uint32_t maskRowBytes = (size + 31) / 32 * 4;
    std::string out;
    putLittleEndian(out, 40, 4); // the header's own size
    putLittleEndian(out, size, 4);
    putLittleEndian(out, 2 * size, 4);
    putLittleEndian(out, 1, 2);  // planes
    putLittleEndian(out, 32, 2); // bits a pixel
    putLittleEndian(out, 0, 4);  // uncompressed
    putLittleEndian(out, size * size * 4 + maskRowBytes * size, 4);
    out.append(16, '\0'); // no resolution, no palette

    for (int y = picture.size - 1; y >= 0; --y) {
        for (int x = 0; x < picture.size; ++x) {
            const unsigned char* p =
                &picture.rgba[(static_cast<std::size_t>(y) * picture.size + x) * 4];
            out += {static_cast<char>(p[2]), static_cast<char>(p[1]), static_cast<char>(p[0]),
                    static_cast<char>(p[3])};
        }
    }
    for (int y = picture.size - 1; y >= 0; --y) {
        std::string row(maskRowBytes, '\0');
        for (int x = 0; x < picture.size; ++x) {
            if (picture.rgba[(static_cast<std::size_t>(y) * picture.size + x) * 4 + 3] <
                maskedBelowAlpha) {
                row[static_cast<std::size_t>(x) / 8] |= static_cast<char>(0x80U >> (x % 8));
            }
        }
        out += row;
    }
    return out;
}

} // namespace

std::string encodeIco(const std::vector<Picture>& pictures) {
    constexpr int pngSize = 256;
    constexpr std::uint32_t directoryEntryBytes = 16;
    std::vector<std::string> images;
    for (const Picture& picture : pictures) {
        assert(picture.size > 0 && picture.size <= pngSize);
        images.push_back(picture.size == pngSize ? encodePng(picture) : iconBitmap(picture));
    }

    std::string ico;
    putLittleEndian(ico, 0, 2);
    putLittleEndian(ico, 1, 2); // an icon, not a cursor
    putLittleEndian(ico, static_cast<std::uint32_t>(images.size()), 2);
    auto offset = static_cast<std::uint32_t>(6 + directoryEntryBytes * images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        // A byte each for the width and the height, where 0 stands for 256.
        const auto side = static_cast<char>(pictures[i].size % pngSize);
        ico += {side, side, '\0', '\0'}; // no palette, a reserved byte
        putLittleEndian(ico, 1, 2);
        putLittleEndian(ico, 32, 2);
        putLittleEndian(ico, static_cast<std::uint32_t>(images[i].size()), 4);
        putLittleEndian(ico, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const std::string& image : images) {
        ico += image;
    }
    return ico;
}

namespace {

std::string hexColor(const glcapture::Rgb& color) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", toByte(color.r), toByte(color.g),
                  toByte(color.b));
    return text;
}

struct Rect {
    double left;
    double right;
    double bottom;
    double top;
    std::string color;
};

bool isUpright(const Quad& quad, Rect& rect) {
    rect = {quad.corners[0].x, quad.corners[0].x, quad.corners[0].y, quad.corners[0].y, ""};
    for (const Vertex& v : quad.corners) {
        rect.left = std::min(rect.left, v.x);
        rect.right = std::max(rect.right, v.x);
        rect.bottom = std::min(rect.bottom, v.y);
        rect.top = std::max(rect.top, v.y);
    }
    return std::all_of(std::begin(quad.corners), std::end(quad.corners), [&](const Vertex& v) {
        return (v.x == rect.left || v.x == rect.right) && (v.y == rect.bottom || v.y == rect.top);
    });
}

} // namespace

std::string encodeSvg(const std::vector<Quad>& quads, double half, int size) {
    std::ostringstream svg;
    svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << size << "\" height=\"" << size
        << "\" viewBox=\"0 0 " << 2.0 * half << ' ' << 2.0 * half
        << "\" shape-rendering=\"crispEdges\">\n";
    const auto rectLine = [&](const Rect& r) {
        svg << "<rect x=\"" << r.left + half << "\" y=\"" << half - r.top << "\" width=\""
            << r.right - r.left << "\" height=\"" << r.top - r.bottom << "\" fill=\"" << r.color
            << "\"/>\n";
    };
    // Only neighbours in drawing order are joined, so nothing moves above or below another quad.
    bool pending = false;
    Rect run{};
    for (const Quad& quad : quads) {
        Rect rect{};
        const bool upright = isUpright(quad, rect);
        rect.color = hexColor(quad.color);
        if (pending && upright && rect.left == run.right && rect.bottom == run.bottom &&
            rect.top == run.top && rect.color == run.color) {
            run.right = rect.right;
            continue;
        }
        if (pending) {
            rectLine(run);
            pending = false;
        }
        if (upright) {
            run = rect;
            pending = true;
            continue;
        }
        svg << "<polygon points=\"";
        for (const Vertex& v : quad.corners) {
            svg << v.x + half << ',' << half - v.y << ' ';
        }
        svg << "\" fill=\"" << rect.color << "\"/>\n";
    }
    if (pending) {
        rectLine(run);
    }
    svg << "</svg>\n";
    return svg.str();
}
