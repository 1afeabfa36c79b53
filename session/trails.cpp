#include "session/trails.h"

#include "objects/bullet.h"
#include "objects/fragment.h"
#include "objects/part.h"
#include "simulation/simulator.h"
#include "ui/uiDraw.h"

#include "graphics/graphics.h"

#include <algorithm>

namespace {

constexpr double spacingPixels = 6.0;
// A GPS orbit's outline at that spacing.
constexpr std::size_t longestTrail = 300;
// The points of all the trails together: a crowded sky has shorter trails, so that drawing
// them keeps the window's pace.
constexpr std::size_t allPoints = 20000;
constexpr std::size_t shortestTrail = 16;

// Satellites, parts, fragments, bullets, the ship: a dim shade of each one's colour.
constexpr Color shades[] = {
    {70, 90, 150}, {110, 95, 70}, {80, 80, 80}, {110, 110, 110}, {90, 90, 90}};

int kindOf(const Satellite& object, const Simulator& world) {
    if (&object == &world.getShip()) {
        return 4;
    }
    if (dynamic_cast<const Part*>(&object) != nullptr) {
        return 1;
    }
    if (dynamic_cast<const Fragment*>(&object) != nullptr) {
        return 2;
    }
    return dynamic_cast<const Bullet*>(&object) != nullptr ? 3 : 0;
}

double pixelsApart(const Position& a, const Position& b) {
    const double dx = a.getPixelsX() - b.getPixelsX();
    const double dy = a.getPixelsY() - b.getPixelsY();
    return dx * dx + dy * dy;
}

} // namespace

void Trails::record(const Simulator& world) {
    for (auto& [pObject, trail] : trails) {
        trail.seen = false;
    }
    const auto visit = [this, &world](const Satellite& object) {
        if (!object.isAlive()) {
            return;
        }
        Trail& trail = trails[&object];
        if (trail.points.empty()) {
            trail.kind = kindOf(object, world);
        }
        trail.seen = true;
        record(object);
    };
    for (const Satellite* pSatellite : world.getSatellites()) {
        visit(*pSatellite);
    }
    for (const Satellite* pObject : world.getDynamicObjects()) {
        visit(*pObject);
    }
    visit(world.getShip());
    // The dead leave no trail.
    for (auto it = trails.begin(); it != trails.end();) {
        it = it->second.seen ? std::next(it) : trails.erase(it);
    }
    longest = std::clamp(allPoints / std::max<std::size_t>(trails.size(), 1), shortestTrail,
                         longestTrail);
}

void Trails::record(const Satellite& object) {
    Trail& trail = trails[&object];
    const Position& now = object.getPosition();
    if (!trail.points.empty()) {
        const std::size_t last = (trail.next + trail.points.size() - 1) % trail.points.size();
        if (pixelsApart(trail.points[last], now) < spacingPixels * spacingPixels) {
            return;
        }
    }
    if (trail.points.size() > longest) {
        // The sky grew crowded: the oldest points go.
        std::rotate(trail.points.begin(), trail.points.begin() + static_cast<long>(trail.next),
                    trail.points.end());
        trail.points.erase(trail.points.begin(), trail.points.end() - static_cast<long>(longest));
        trail.next = 0;
    }
    if (trail.points.size() < longest) {
        trail.points.push_back(now);
        trail.next = 0;
    } else {
        trail.points[trail.next] = now;
        trail.next = (trail.next + 1) % longest;
    }
}

void Trails::draw() const {
    for (const auto& [pObject, trail] : trails) {
        if (trail.points.size() < 2) {
            continue;
        }
        setColor(shades[trail.kind]);
        graphics::begin(graphics::lineStrip);
        for (std::size_t i = 0; i < trail.points.size(); ++i) {
            drawVertex(trail.points[(trail.next + i) % trail.points.size()]);
        }
        drawVertex(pObject->getPosition());
        graphics::end();
    }
    resetColor();
}
