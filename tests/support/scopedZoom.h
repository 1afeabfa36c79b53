#pragma once

#include "physics/position.h"

// Sets the shared scale for one test and puts the previous one back, since every test in the
// process shares it.
class ScopedZoom {
public:
    explicit ScopedZoom(double metersPerPixel) : saved(Position::getZoom()) {
        Position::setZoom(metersPerPixel);
    }
    ~ScopedZoom() { Position::setZoom(saved); }
    ScopedZoom(const ScopedZoom&) = delete;
    ScopedZoom& operator=(const ScopedZoom&) = delete;

private:
    double saved;
};
