#include "packaging/icon/iconImage.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdio>
#include <sstream>
#include <stdexcept>

#include <png.h>

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

std::string encodePng(const Picture& picture) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.size);
    image.height = static_cast<png_uint_32>(picture.size);
    image.format = PNG_FORMAT_RGBA;
    // Asked first for the size it needs, then to write into that much.
    png_alloc_size_t bytes = 0;
    std::string png;
    if (png_image_write_get_memory_size(image, bytes, 0, picture.rgba.data(), 0, nullptr) != 0) {
        png.resize(bytes);
        if (png_image_write_to_memory(&image, png.data(), &bytes, 0, picture.rgba.data(), 0,
                                      nullptr) != 0) {
            png.resize(bytes);
            return png;
        }
    }
    const std::string message = image.message;
    png_image_free(&image);
    throw std::runtime_error("libpng: " + message);
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
