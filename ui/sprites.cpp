#include "ui/uiDraw.h"

void ogstream::drawFragment(const Position&, double) {}
void ogstream::drawProjectile(const Position&) {}
void ogstream::drawCrewDragon(const Position&, double) {}
void ogstream::drawCrewDragonRight(const Position&, double, const Position&) {}
void ogstream::drawCrewDragonLeft(const Position&, double, const Position&) {}
void ogstream::drawCrewDragonCenter(const Position&, double) {}
void ogstream::drawSputnik(const Position&, double) {}
void ogstream::drawGPS(const Position&, double) {}
void ogstream::drawGPSCenter(const Position&, double) {}
void ogstream::drawGPSRight(const Position&, double, const Position&) {}
void ogstream::drawGPSLeft(const Position&, double, const Position&) {}
void ogstream::drawHubble(const Position&, double) {}
void ogstream::drawHubbleComputer(const Position&, double, const Position&) {}
void ogstream::drawHubbleTelescope(const Position&, double, const Position&) {}
void ogstream::drawHubbleLeft(const Position&, double, const Position&) {}
void ogstream::drawHubbleRight(const Position&, double, const Position&) {}
void ogstream::drawStarlink(const Position&, double) {}
void ogstream::drawStarlinkBody(const Position&, double, const Position&) {}
void ogstream::drawStarlinkArray(const Position&, double, const Position&) {}
void ogstream::drawShip(const Position&, double, bool) {}
