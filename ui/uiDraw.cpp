#include "ui/uiDraw.h"

#include "graphics/graphics.h"
#include "platform/platform.h"
#include "platform/randomSequence.h"

#include <cassert>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {
constexpr double lineHeight = 18.0; // pixels
}

void ogstream::flush() {
    const std::string sIn = str();
    std::string sOut;
    for (auto it = sIn.begin(); it != sIn.end(); ++it) {
        if (*it == '\n') {
            drawText(textPosition, sOut.c_str());
            sOut.clear();
            textPosition.addPixelsY(-lineHeight);
        } else {
            sOut += *it;
        }
    }
    if (!sOut.empty()) {
        drawText(textPosition, sOut.c_str());
        textPosition.addPixelsY(-lineHeight);
    }
    str("");
}

void ogstream::setPosition(const Position& newPosition) {
    flush();
    textPosition = newPosition;
}

ogstream& ogstream::operator=(const Position& newPosition) {
    setPosition(newPosition);
    return *this;
}

void drawText(const Position& linePosition, const char* text) {
    graphics::rasterPos2f(static_cast<float>(linePosition.getPixelsX()),
                          static_cast<float>(linePosition.getPixelsY()));
    for (const char* p = text; *p != '\0'; ++p) {
        graphics::bitmapCharacter(static_cast<int>(static_cast<signed char>(*p)));
    }
}

void setColor(const Color& color) {
    graphics::color3f(static_cast<float>(color.red / 256.0),
                      static_cast<float>(color.green / 256.0),
                      static_cast<float>(color.blue / 256.0));
}

void resetColor() { graphics::color3f(1.0, 1.0, 1.0); }

void drawVertex(const Position& point) {
    graphics::vertex2f(static_cast<float>(point.getPixelsX()),
                       static_cast<float>(point.getPixelsY()));
}

Position rotate(const Position& origin, double x, double y, double rotation) {
    const double c = std::cos(rotation);
    const double s = std::sin(rotation);
    Position ptReturn(origin);
    ptReturn.addPixelsX(x * c + y * s);
    ptReturn.addPixelsY(y * c - x * s);
    return ptReturn;
}

void drawRect(const Position& center, const Position& offset, const ColorRect& rect,
              double rotation) {
    graphics::begin(graphics::quads);
    setColor(*rect.color);
    for (const Corner& corner : rect.corners) {
        drawVertex(rotate(center, corner.x + offset.getPixelsX(), corner.y + offset.getPixelsY(),
                          rotation));
    }
    graphics::end();
}

int random(int min, int max) {
    assert(min < max);
    const int num = min + (platform::nextRandom() % (max - min));
    assert(min <= num && num <= max);
    return num;
}

double random(double min, double max) {
    assert(min <= max);
    const double num =
        min + (static_cast<double>(platform::nextRandom()) / RandomSequence::max) * (max - min);
    assert(min <= num && num <= max);
    return num;
}
