#pragma once

#include <iosfwd>
#include <type_traits>

// A point in the plane in metres, origin at the Earth's centre, x to the right and y up.
// Pixel values are derived on demand through one scale shared by every position.
class Position {
public:
    Position() = default;
    Position(double xMeters, double yMeters) {
        setMetersX(xMeters);
        setMetersY(yMeters);
    }

    // A point given in pixels, converted with the scale in force now.
    static Position fromPixels(double xPixels, double yPixels) {
        Position pos;
        pos.setPixelsX(xPixels);
        pos.setPixelsY(yPixels);
        return pos;
    }

    double getMetersX() const { return x; }
    double getMetersY() const { return y; }
    double getPixelsX() const { return x / zoom; }
    double getPixelsY() const { return y / zoom; }

    void setMeters(double xMeters, double yMeters) {
        x = xMeters;
        y = yMeters;
    }
    void setMetersX(double xMeters) { x = xMeters; }
    void setMetersY(double yMeters) { y = yMeters; }
    void setPixelsX(double xPixels) { x = xPixels * zoom; }
    void setPixelsY(double yPixels) { y = yPixels * zoom; }

    void addMetersX(double dxMeters) { setMetersX(getMetersX() + dxMeters); }
    void addMetersY(double dyMeters) { setMetersY(getMetersY() + dyMeters); }
    void addPixelsX(double dxPixels) { setPixelsX(getPixelsX() + dxPixels); }
    void addPixelsY(double dyPixels) { setPixelsY(getPixelsY() + dyPixels); }

    // Metres per pixel, one value for the whole process; callable through any position.
    static double getZoom() { return zoom; }
    static void setZoom(double metersPerPixel) { zoom = metersPerPixel; }

private:
    double x = 0.0;
    double y = 0.0;

    static inline double zoom = 200000.0;
};
static_assert(std::is_trivially_copyable_v<Position>);

// Straight-line distance in metres.
double getDistance(const Position& a, const Position& b);

// Writes "(x m , y m)" in the stream's current number format, e.g. "(1234.5m , 6789m)".
std::ostream& operator<<(std::ostream& out, const Position& pos);

// Reads x then y in metres. Text that is not two numbers leaves the position as it was
// and the stream failed.
std::istream& operator>>(std::istream& in, Position& pos);
