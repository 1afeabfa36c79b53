#include "ui/uiDraw.h"

#include "graphics/graphics.h"

#include <cstddef>

namespace {

// Pieces without an offset parameter still go through the offset path, with no displacement.
const Position noOffset;

template <std::size_t N>
void drawRects(const Position& center, const Position& offset, const ColorRect (&rects)[N],
               double rotation) {
    for (const ColorRect& row : rects) {
        drawRect(center, offset, row, rotation);
    }
}

void sendPoints(const Position& center, const Position& offset, const Point* points,
                std::size_t count, double rotation) {
    for (std::size_t i = 0; i < count; ++i) {
        drawVertex(rotate(center, offset.getPixelsX() + points[i].x,
                          offset.getPixelsY() + points[i].y, rotation));
    }
}

// One primitive in one colour; whiteAfter makes white current again before it ends.
template <std::size_t N>
void drawPoints(graphics::Mode mode, const Color& color, const Position& center,
                const Position& offset, const Point (&points)[N], double rotation,
                bool whiteAfter = false) {
    graphics::begin(mode);
    setColor(color);
    sendPoints(center, offset, points, N, rotation);
    if (whiteAfter) {
        resetColor();
    }
    graphics::end();
}

template <std::size_t N>
void drawWhiteStrip(const Position& center, const Position& offset, const Point (&points)[N],
                    double rotation) {
    drawPoints(graphics::lineStrip, COLOR_WHITE, center, offset, points, rotation);
}

// Corners in the order they reach OpenGL, then the colour.

constexpr ColorRect rectsFragment[] = {
    {{{-4, 1}, {-4, -1}, {4, -1}, {4, 1}}, &COLOR_LIGHT_GREY},
};

constexpr ColorRect rectsProjectile[] = {
    {{{1, 1}, {-1, 1}, {-1, -1}, {1, -1}}, &COLOR_WHITE},
};

constexpr ColorRect rectsCrewDragonCenter[] = {
    {{{-5, 5}, {3, 5}, {3, -5}, {-5, -5}}, &COLOR_LIGHT_GREY},
    {{{3, 5}, {3, -5}, {11, -3}, {11, 3}}, &COLOR_GREY},
    {{{12, -3}, {12, 3}, {11, -3}, {11, 3}}, &COLOR_DARK_GREY},
    {{{4, 3}, {7, 2}, {7, -2}, {4, -3}}, &COLOR_DARK_GREY},
};

// Both side panels of the capsule are the same picture.
constexpr ColorRect rectsCrewDragonSide[] = {
    {{{-4, 5}, {4, 5}, {4, 1}, {-4, 1}}, &COLOR_DEEP_BLUE},
    {{{-4, -1}, {4, 1}, {4, -5}, {-4, -5}}, &COLOR_DEEP_BLUE},
    {{{0, 2}, {0, -6}, {1, -6}, {1, 2}}, &COLOR_GREY},
};

constexpr ColorRect rectsGPSCenter[] = {
    {{{-3, 4}, {4, 4}, {4, -4}, {-3, -4}}, &COLOR_YELLOW},
    {{{4, 4}, {-3, 4}, {-3, -4}, {-4, -4}}, &COLOR_WHITE},
    {{{4, 3}, {7, 3}, {7, 1}, {4, 1}}, &COLOR_GREY},
    {{{4, -3}, {7, -3}, {7, -1}, {4, -1}}, &COLOR_GREY},
};

constexpr ColorRect rectsGPSLeft[] = {
    {{{-6, 5}, {6, 5}, {6, 1}, {-6, 1}}, &COLOR_WHITE},
    {{{-6, 0}, {6, 0}, {6, -4}, {-6, -4}}, &COLOR_WHITE},
    {{{-5, 4}, {5, 4}, {5, 2}, {-5, 2}}, &COLOR_DEEP_BLUE},
    {{{-5, -1}, {5, -1}, {5, -3}, {-5, -3}}, &COLOR_DEEP_BLUE},
};
constexpr Point antennaGPSLeft[] = {{3, 4}, {0, 8}, {-3, 4}};

constexpr ColorRect rectsGPSRight[] = {
    {{{-6, -5}, {6, -5}, {6, -1}, {-6, -1}}, &COLOR_WHITE},
    {{{-6, 0}, {6, 0}, {6, 4}, {-6, 4}}, &COLOR_WHITE},
    {{{-5, -4}, {5, -4}, {5, -2}, {-5, -2}}, &COLOR_DEEP_BLUE},
    {{{-5, 1}, {5, 1}, {5, 3}, {-5, 3}}, &COLOR_DEEP_BLUE},
};
constexpr Point antennaGPSRight[] = {{3, -4}, {0, -8}, {-3, -4}};

constexpr ColorRect rectsHubbleComputer[] = {
    {{{-5, 5}, {0, 5}, {0, -3}, {-5, -3}}, &COLOR_GREY},
    {{{-5, -5}, {0, -5}, {0, -3}, {-5, -3}}, &COLOR_DARK_GREY},
    {{{0, 4}, {3, 4}, {3, -2}, {0, -2}}, &COLOR_GREY},
    {{{0, -4}, {3, -4}, {3, -2}, {0, -2}}, &COLOR_DARK_GREY},
};

constexpr ColorRect rectsHubbleTelescope[] = {
    {{{-9, 3}, {11, 3}, {11, -3}, {-9, -3}}, &COLOR_LIGHT_GREY},
    {{{11, 3}, {15, 6}, {16, 5}, {12, 2}}, &COLOR_GREY},
    {{{-9, -2}, {11, -2}, {11, -3}, {-9, -3}}, &COLOR_GREY},
};

constexpr ColorRect rectsHubbleLeft[] = {
    {{{-8, 3}, {-1, 3}, {-1, -1}, {-8, -1}}, &COLOR_LIGHT_GREY},
    {{{8, 3}, {1, 3}, {1, -1}, {8, -1}}, &COLOR_LIGHT_GREY},
    {{{-7, 2}, {-1, 2}, {-2, 0}, {-7, 0}}, &COLOR_DARK_GREY},
    {{{7, 2}, {1, 2}, {2, 0}, {7, 0}}, &COLOR_DARK_GREY},
};
constexpr Point boomHubbleLeft[] = {{0, 3}, {0, -5}};

constexpr ColorRect rectsHubbleRight[] = {
    {{{-8, -3}, {-1, -3}, {-1, 1}, {-8, 1}}, &COLOR_LIGHT_GREY},
    {{{8, -3}, {1, -3}, {1, 1}, {8, 1}}, &COLOR_LIGHT_GREY},
    {{{-7, -2}, {-1, -2}, {-2, 0}, {-7, 0}}, &COLOR_DARK_GREY},
    {{{7, -2}, {1, -2}, {2, 0}, {7, 0}}, &COLOR_DARK_GREY},
};
constexpr Point boomHubbleRight[] = {{0, -3}, {0, 5}};

constexpr ColorRect rectsStarlinkBody[] = {
    {{{1, 5}, {1, -3}, {-1, -5}, {-1, 3}}, &COLOR_LIGHT_GREY},
    {{{-4, -5}, {-1, -5}, {-1, 3}, {-4, 3}}, &COLOR_GREY},
    {{{-4, 3}, {-2, 3}, {1, 5}, {-1, 3}}, &COLOR_WHITE},
};

constexpr ColorRect rectsStarlinkArray[] = {
    {{{-7, 7}, {8, 2}, {8, -6}, {-7, -1}}, &COLOR_GREY},
    {{{-6, 6}, {7, 1}, {7, -5}, {-6, 0}}, &COLOR_DEEP_BLUE},
};

// The fan's centre first; the repeated point adds one empty triangle.
constexpr Point pointsSphere[] = {
    {0, 0},   {2, 6},   {6, 2},  {6, -2}, {2, -6}, {-2, -6},
    {-2, -6}, {-6, -2}, {-6, 2}, {-2, 6}, {2, 6},
};

// Start and end of each antenna.
constexpr Point antennasSputnik[] = {
    {-6, 2}, {-10, -15}, {0, 1}, {-2.5, -15}, {2, -6}, {2.5, -15}, {6, 2}, {10, -15},
};

// The nose is (0, 18): at angle 0 the ship points up.
constexpr Point pointsShipWhite[] = {
    {0, 0},   {-3, -9}, {-12, -12}, {-14, -12}, {-13, -7}, {-8, -2}, {-6, 3}, {-4, 11},
    {-4, 14}, {-3, 16}, {-1, 18},   {1, 18},    {3, 16},   {4, 14},  {4, 11}, {6, 3},
    {8, -2},  {13, -7}, {14, -12},  {12, -12},  {3, -9},   {-3, -9},
};

// Four quads, one per line.
constexpr Point pointsShipBlack[] = {
    {-5, -8}, {-12, -11}, {-11, -7}, {-5, -2}, //
    {5, -8},  {12, -11},  {11, -7},  {5, -2},  //
    {0, -13}, {-3, 11},   {-1, 15},  {1, 15},  //
    {0, -13}, {3, 11},    {1, 15},   {-1, 15}, //
};

// Ends of the flame's base; the tip between them is drawn fresh every time.
constexpr Point flameLeft{-3, -9};
constexpr Point flameRight{3, -9};
constexpr int flameTriangles = 2;

void drawFlame(const Position& center, double rotation) {
    graphics::begin(graphics::triangles);
    setColor(COLOR_RED);
    for (int i = 0; i < flameTriangles; ++i) {
        // y before x: the order in which the generator is drawn from is part of the picture.
        const double tipY = random(-25.0, -13.0);
        const double tipX = random(-5.0, 5.0);
        const Point triangle[] = {flameLeft, {tipX, tipY}, flameRight};
        sendPoints(center, noOffset, triangle, 3, rotation);
    }
    resetColor();
    graphics::end();
}

} // namespace

void ogstream::drawFragment(const Position& center, double rotation) {
    drawRects(center, noOffset, rectsFragment, rotation);
}

void ogstream::drawProjectile(const Position& center) {
    drawRects(center, noOffset, rectsProjectile, 0.0);
}

// The whole satellites call their pieces through the stream, so a stream that draws a piece
// differently draws it so in the whole satellite too.
void ogstream::drawCrewDragon(const Position& center, double rotation) {
    const Position posRight = Position::fromPixels(-1, 11);
    const Position posLeft = Position::fromPixels(-1, -11);
    drawCrewDragonCenter(center, rotation);
    drawCrewDragonRight(center, rotation, posRight);
    drawCrewDragonLeft(center, rotation, posLeft);
}

void ogstream::drawCrewDragonRight(const Position& center, double rotation,
                                   const Position& offset) {
    drawRects(center, offset, rectsCrewDragonSide, rotation);
}

void ogstream::drawCrewDragonLeft(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsCrewDragonSide, rotation);
}

void ogstream::drawCrewDragonCenter(const Position& center, double rotation) {
    drawRects(center, noOffset, rectsCrewDragonCenter, rotation);
}

void ogstream::drawSputnik(const Position& center, double rotation) {
    drawPoints(graphics::triangleFan, COLOR_GREY, center, noOffset, pointsSphere, rotation);
    drawPoints(graphics::lines, COLOR_WHITE, center, noOffset, antennasSputnik, rotation);
}

void ogstream::drawGPS(const Position& center, double rotation) {
    const Position posRight = Position::fromPixels(0, 12);
    const Position posLeft = Position::fromPixels(0, -12);
    drawGPSCenter(center, rotation);
    drawGPSRight(center, rotation, posRight);
    drawGPSLeft(center, rotation, posLeft);
}

void ogstream::drawGPSCenter(const Position& center, double rotation) {
    drawRects(center, noOffset, rectsGPSCenter, rotation);
}

void ogstream::drawGPSRight(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsGPSRight, rotation);
    drawWhiteStrip(center, offset, antennaGPSRight, rotation);
}

void ogstream::drawGPSLeft(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsGPSLeft, rotation);
    drawWhiteStrip(center, offset, antennaGPSLeft, rotation);
}

void ogstream::drawHubble(const Position& center, double rotation) {
    const Position posTelescope = Position::fromPixels(2, 0);
    const Position posComputer = Position::fromPixels(-10, 0);
    const Position posRight = Position::fromPixels(1, -8);
    const Position posLeft = Position::fromPixels(1, 8);
    drawHubbleTelescope(center, rotation, posTelescope);
    drawHubbleComputer(center, rotation, posComputer);
    drawHubbleRight(center, rotation, posRight);
    drawHubbleLeft(center, rotation, posLeft);
}

void ogstream::drawHubbleComputer(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsHubbleComputer, rotation);
}

void ogstream::drawHubbleTelescope(const Position& center, double rotation,
                                   const Position& offset) {
    drawRects(center, offset, rectsHubbleTelescope, rotation);
}

void ogstream::drawHubbleLeft(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsHubbleLeft, rotation);
    drawWhiteStrip(center, offset, boomHubbleLeft, rotation);
}

void ogstream::drawHubbleRight(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsHubbleRight, rotation);
    drawWhiteStrip(center, offset, boomHubbleRight, rotation);
}

void ogstream::drawStarlink(const Position& center, double rotation) {
    const Position posBody = Position::fromPixels(-1, 0);
    const Position posArray = Position::fromPixels(8, -2);
    drawStarlinkBody(center, rotation, posBody);
    drawStarlinkArray(center, rotation, posArray);
}

void ogstream::drawStarlinkBody(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsStarlinkBody, rotation);
}

void ogstream::drawStarlinkArray(const Position& center, double rotation, const Position& offset) {
    drawRects(center, offset, rectsStarlinkArray, rotation);
}

void ogstream::drawShip(const Position& center, double rotation, bool thrust) {
    drawPoints(graphics::triangleFan, COLOR_LIGHT_GREY, center, noOffset, pointsShipWhite,
               rotation);
    if (thrust) {
        drawFlame(center, rotation);
    }
    drawPoints(graphics::quads, COLOR_DEEP_BLUE, center, noOffset, pointsShipBlack, rotation,
               /*whiteAfter=*/true);
}
