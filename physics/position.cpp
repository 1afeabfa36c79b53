#include "physics/position.h"

#include <cmath>
#include <istream>
#include <ostream>

double getDistance(const Position& a, const Position& b) {
    const double dx = a.getMetersX() - b.getMetersX();
    const double dy = a.getMetersY() - b.getMetersY();
    return std::sqrt(dx * dx + dy * dy);
}

std::ostream& operator<<(std::ostream& out, const Position& pos) {
    out << "(" << pos.getMetersX() << "m , " << pos.getMetersY() << "m)";
    return out;
}

std::istream& operator>>(std::istream& in, Position& pos) {
    double x = 0.0;
    double y = 0.0;
    // Nothing is stored unless both numbers were read.
    if (in >> x >> y) {
        pos.setMetersX(x);
        pos.setMetersY(y);
    }
    return in;
}
