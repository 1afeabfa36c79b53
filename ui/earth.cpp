#include "ui/uiDraw.h"

#include "graphics/graphics.h"

#include <cassert>
#include <cstddef>

namespace {

constexpr int earthSize = 50; // cells on each side
constexpr double cellPixels = 2.0;
constexpr double earthHalfWidth = 50.0; // pixels

// The globe as it appears on the screen, so the first line is the top row. Values index
// colors: 0 outside the disc, 1 sea, 2 green land, 3 tan land, 4 cloud and ice.
constexpr char picture[earthSize][earthSize + 1] = {
    "00000000000000000000011111111000000000000000000000", // 49
    "00000000000000000111122221111112300000000000000000", // 48
    "00000000000000011113322222113333311000000000000000", // 47
    "00000000000002223333222111133333122220000000000000", // 46
    "00000000000333222222221111133331122222200000000000", // 45
    "00000000003332221122222221113331112222220000000000", // 44
    "00000000033322211112222222211331221222222000000000", // 43
    "00000000333332211112222222111111221222222200000000", // 42
    "00000003333333222222222233111111121112222220000000", // 41
    "00000033333333322222222221111111111111222233000000", // 40
    "00000333333333332222222221111111111111122233300000", // 39
    "00003333333333333222222211111111111111111223330000", // 38
    "00003333333333333322222211111111111111113333330000", // 37
    "00033333333333333332222231111111111111111111333000", // 36
    "00033333333333333333222331111111111111111133333000", // 35
    "00113333333333333333322111111111111111333333333300", // 34
    "00111333333333333333322114441111111113333333333300", // 33
    "01111113333333333322221111144441111113333333333330", // 32
    "01111111333333333112211111114444441111333333333330", // 31
    "01111111113333331111211111111144444111113333333330", // 30
    "01111111111123333311111114444111144441111133333330", // 29
    "11111111111113222211111144444444414111111111113333", // 28
    "11111111111111222133221144444441111111113333322333", // 27
    "11111111111111122111221111111444444111133333333333", // 26
    "11111111111111131111111111111111111111233313333332", // 25
    "11111111111112331111111111144444411111111333133332", // 24
    "11111111111223333211111111111114444441111333322222", // 23
    "11111111133222222222111111111111114444111133222221", // 22
    "11111111332222222222221111111111111111111112222221", // 21
    "01111113322222222222223311111111111111111122222220", // 20
    "01111113322222222222333331111111111111111222222220", // 19
    "01111111332222222233333331111111111111111222222330", // 18
    "01111111133222222333333311111111111111113332222330", // 17
    "00111111113333333333333111111111111111113333222200", // 16
    "00111111113333333333331111111444111111113333322200", // 15
    "00011111111333333333311111114444111111113333333000", // 14
    "00011111111333333331111111111144111111133333333000", // 13
    "00001111111333333311111111111111111111133333222000", // 12
    "00001111111333333111111111111111111111133333330000", // 11
    "00000111111333333111111111111111111111333333300000", // 10
    "00000011111133331111111111111111111111333333000000", // 9
    "00000011111113331111111111111111111111333311000000", // 8
    "00000001111113311111111111111111111111333110000000", // 7
    "00000000111111311111111111111111111111331100000000", // 6
    "00000000011111111111111144111111111111111000000000", // 5
    "00000000000111111111333333333111111111110000000000", // 4
    "00000000000011111333333313333333111111000000000000", // 3
    "00000000000000013333333223333333311000000000000000", // 2
    "00000000000000000133322111122231100000000000000000", // 1
    "00000000000000000000111111111100000000000000000000", // 0
};

constexpr bool isWellFormed() {
    for (const auto& line : picture) {
        for (int x = 0; x < earthSize; ++x) {
            if (line[x] < '0' || line[x] > '4') {
                return false;
            }
        }
    }
    return true;
}
static_assert(isWellFormed(), "every line of the picture is 50 cells of 0 to 4");

struct EarthImage {
    int cells[earthSize][earthSize];
};

constexpr EarthImage flipToRows() {
    EarthImage image{};
    for (int y = 0; y < earthSize; ++y) {
        for (int x = 0; x < earthSize; ++x) {
            image.cells[y][x] = picture[earthSize - 1 - y][x] - '0';
        }
    }
    return image;
}

// Indexed [y][x] with row 0 at the bottom, the way the cells are laid on the screen.
constexpr EarthImage earthImage = flipToRows();

const Color* const colors[] = {&COLOR_GREY, &COLOR_BLUE, &COLOR_GREEN, &COLOR_TAN, &COLOR_WHITE};

// A star's look at one stretch of its phase: the brightness of the centre and of the two
// rings of four points; 0 leaves a ring out. Every colour is a shade of yellow.
struct StarLook {
    int lastPhase;
    float center;
    float ring1;
    float ring2;
};

constexpr StarLook starLooks[] = {
    {127, 0.5F, 0.0F, 0.0F}, //
    {159, 1.0F, 0.0F, 0.0F}, //
    {175, 1.0F, 0.5F, 0.0F}, //
    {208, 1.0F, 0.7F, 0.5F}, //
    {224, 1.0F, 0.5F, 0.0F}, //
    {255, 1.0F, 0.0F, 0.0F}, //
};

// The last stretch ends at 255, so every phase finds one.
const StarLook& lookAt(unsigned char phase) {
    std::size_t i = 0;
    while (phase > starLooks[i].lastPhase) {
        ++i;
    }
    return starLooks[i];
}

void starPoint(const Position& location, int dx, int dy) {
    graphics::vertex2f(static_cast<float>(location.getPixelsX() + dx),
                       static_cast<float>(location.getPixelsY() + dy));
}

void starRing(const Position& location, int d, float brightness) {
    if (brightness == 0.0F) {
        return;
    }
    graphics::color3f(brightness, brightness, 0.0F);
    starPoint(location, d, 0);
    starPoint(location, -d, 0);
    starPoint(location, 0, d);
    starPoint(location, 0, -d);
}

} // namespace

void ogstream::drawEarth(const Position& center, double rotation) {
    const auto& earth = earthImage.cells;
    // Every cell is laid out from the picture's lower-left corner.
    const Position pos = Position::fromPixels(-earthHalfWidth, -earthHalfWidth);
    for (int y = 0; y < earthSize; ++y) {
        for (int x = 0; x < earthSize; ++x) {
            if (earth[y][x] == 0) {
                continue;
            }
            assert(earth[y][x] > 0 && earth[y][x] <= 4);
            const int cellLeft = static_cast<int>(x * cellPixels);
            const int cellRight = static_cast<int>(x * cellPixels + cellPixels);
            const int cellBottom = static_cast<int>(y * cellPixels);
            const int cellTop = static_cast<int>(y * cellPixels + cellPixels);
            const ColorRect rect = {{{cellLeft, cellBottom},
                                     {cellLeft, cellTop},
                                     {cellRight, cellTop},
                                     {cellRight, cellBottom}},
                                    colors[earth[y][x]]};
            drawRect(center, pos, rect, rotation);
        }
    }
}

void ogstream::drawStar(const Position& location, unsigned char phase) {
    const StarLook& look = lookAt(phase);
    graphics::begin(graphics::points);
    graphics::color3f(look.center, look.center, 0.0F);
    starPoint(location, 0, 0);
    starRing(location, 1, look.ring1);
    starRing(location, 2, look.ring2);
    graphics::color3f(1.0F, 1.0F, 1.0F);
    graphics::end();
}
