#pragma once

#include "physics/position.h"

#include <sstream>

// A colour on a 0 to 256 scale; OpenGL receives each component divided by 256.
struct Color {
    int red;
    int green;
    int blue;
};

// One corner of a ColorRect, in pixels relative to a sprite's centre.
struct Corner {
    int x;
    int y;
};

// A four-cornered shape drawn as one quad, corners in the stored order. The colour is not
// owned: it always refers to one of the constants below.
struct ColorRect {
    Corner corners[4];
    const Color* color;
};

// A vertex of a polygon table, in pixels.
struct Point {
    double x;
    double y;
};

inline constexpr Color COLOR_WHITE{255, 255, 255};
inline constexpr Color COLOR_LIGHT_GREY{196, 196, 196};
inline constexpr Color COLOR_GREY{128, 128, 128};
inline constexpr Color COLOR_DARK_GREY{64, 64, 64};
inline constexpr Color COLOR_DEEP_BLUE{64, 64, 156};
// 256, not 255: the only component that reaches full intensity.
inline constexpr Color COLOR_BLUE{0, 0, 256};
inline constexpr Color COLOR_RED{255, 0, 0};
inline constexpr Color COLOR_YELLOW{255, 255, 0};
inline constexpr Color COLOR_TAN{180, 150, 110};
inline constexpr Color COLOR_GREEN{0, 150, 0};

// The graphics output stream: text written to it is drawn at a cursor when flushed, and it
// carries one draw operation per sprite. Every draw makes a local one named gout.
class ogstream : public std::ostringstream {
public:
    ogstream() = default;
    ~ogstream() override { flush(); }

    virtual void flush();
    virtual void setPosition(const Position& newPosition);
    virtual ogstream& operator=(const Position& newPosition);

    virtual void drawFragment(const Position& center, double rotation);
    virtual void drawProjectile(const Position& center);
    virtual void drawCrewDragon(const Position& center, double rotation);
    virtual void drawCrewDragonRight(const Position& center, double rotation,
                                     const Position& offset);
    virtual void drawCrewDragonLeft(const Position& center, double rotation,
                                    const Position& offset);
    virtual void drawCrewDragonCenter(const Position& center, double rotation);
    virtual void drawSputnik(const Position& center, double rotation);
    virtual void drawGPS(const Position& center, double rotation);
    virtual void drawGPSCenter(const Position& center, double rotation);
    virtual void drawGPSRight(const Position& center, double rotation, const Position& offset);
    virtual void drawGPSLeft(const Position& center, double rotation, const Position& offset);
    virtual void drawHubble(const Position& center, double rotation);
    virtual void drawHubbleComputer(const Position& center, double rotation,
                                    const Position& offset);
    virtual void drawHubbleTelescope(const Position& center, double rotation,
                                     const Position& offset);
    virtual void drawHubbleLeft(const Position& center, double rotation, const Position& offset);
    virtual void drawHubbleRight(const Position& center, double rotation, const Position& offset);
    virtual void drawStarlink(const Position& center, double rotation);
    virtual void drawStarlinkBody(const Position& center, double rotation, const Position& offset);
    virtual void drawStarlinkArray(const Position& center, double rotation, const Position& offset);
    virtual void drawShip(const Position& center, double rotation, bool thrust);
    virtual void drawEarth(const Position& center, double rotation);
    virtual void drawStar(const Position& location, unsigned char phase);

protected:
    // The left end of the baseline of the next line of text.
    Position textPosition;
};

// One line of bitmap text whose baseline starts at linePosition, in the current colour.
void drawText(const Position& linePosition, const char* text);
void setColor(const Color& color);
void resetColor();
void drawVertex(const Position& point);

// The point at pixel offset (x, y) from origin once the offset is turned clockwise by
// rotation radians.
Position rotate(const Position& origin, double x, double y, double rotation);

// One quad; the offset is added before rotating, so a piece turns with its whole sprite.
void drawRect(const Position& center, const Position& offset, const ColorRect& rect,
              double rotation);

// Uniform integer in [min, max).
int random(int min, int max);
// Uniform double in [min, max], both ends possible.
double random(double min, double max);
