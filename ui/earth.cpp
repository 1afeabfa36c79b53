#include "ui/uiDraw.h"

void ogstream::drawEarth(const Position&, double) {}
void ogstream::drawStar(const Position&, unsigned char) {}
