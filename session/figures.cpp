#include "session/figures.h"

#include "physics/constants.h"
#include "session/census.h"
#include "simulation/simulator.h"
#include "ui/uiDraw.h"

#include "graphics/graphics.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr int lineHeight = 16; // pixels, as the text of the sprites

std::string format(const char* pattern, double a, double b = 0.0) {
    char text[96];
    std::snprintf(text, sizeof text, pattern, a, b);
    return text;
}

std::string timeText(long long frames) {
    const auto minutes = static_cast<long long>(static_cast<double>(frames) * timeStep / 60.0);
    char text[64];
    std::snprintf(text, sizeof text, "%lld d %02lld h %02lld min", minutes / 1440,
                  minutes / 60 % 24, minutes % 60);
    return text;
}

} // namespace

Figures takeFigures(const Simulator& world, long long frame, long long worldFrames) {
    const Census census = takeCensus(world, frame, false);
    Figures figures;
    figures.frame = frame;
    figures.worldFrames = worldFrames;
    figures.satellites = census.satellites;
    figures.parts = census.parts;
    figures.fragments = census.fragments;
    figures.bullets = census.bullets;
    figures.breakUps = census.breakUps;
    figures.shipAboard = world.hasShip();
    figures.shipAlive = census.shipAlive;
    const Ship& ship = world.getShip();
    const double x = ship.getPosition().getMetersX();
    const double y = ship.getPosition().getMetersY();
    figures.shipSpeed = std::hypot(ship.getVelocity().getDX(), ship.getVelocity().getDY()) / 1000.0;
    figures.shipHeight = (std::hypot(x, y) - earthRadius) / 1000.0;
    return figures;
}

std::vector<std::string> figureLines(const Figures& figures) {
    std::vector<std::string> lines;
    lines.push_back("Time " + timeText(figures.worldFrames));
    std::string frame = "Frame " + std::to_string(figures.frame);
    if (figures.replayFrames > 0) {
        frame += " of " + std::to_string(figures.replayFrames);
    }
    lines.push_back(frame + "  " + figures.speed);
    lines.push_back("Satellites " + std::to_string(figures.satellites) + "  Parts " +
                    std::to_string(figures.parts) + "  Fragments " +
                    std::to_string(figures.fragments) + "  Bullets " +
                    std::to_string(figures.bullets));
    lines.push_back("Break-ups " + std::to_string(figures.breakUps));
    if (!figures.shipAboard) {
        lines.emplace_back("No ship in this scene");
    } else if (figures.shipAlive) {
        lines.push_back(
            format("Ship %.2f km/s, %.0f km up", figures.shipSpeed, figures.shipHeight));
    } else {
        // A replay's viewer makes no new world.
        lines.emplace_back(figures.replayFrames > 0 ? "Ship destroyed"
                                                    : "Ship destroyed: R starts a new world");
    }
    return lines;
}

void drawFigures(const Figures& figures) {
    const std::vector<std::string> lines = figureLines(figures);
    Position line;
    line.setPixelsX(-windowWidth / 2.0 + 6.0);
    line.setPixelsY(-windowHeight / 2.0 + 6.0 + lineHeight * static_cast<double>(lines.size() - 1));
    setColor(COLOR_WHITE);
    for (const std::string& text : lines) {
        drawText(line, text.c_str());
        line.addPixelsY(-lineHeight);
    }
    resetColor();
}

void drawShipMarker(const Simulator& world) {
    const Ship& ship = world.getShip();
    const double x = ship.getPosition().getPixelsX();
    const double y = ship.getPosition().getPixelsY();
    const double halfWidth = windowWidth / 2.0;
    const double halfHeight = windowHeight / 2.0;
    if (!ship.isAlive() || (std::fabs(x) <= halfWidth && std::fabs(y) <= halfHeight)) {
        return;
    }
    // Where the line from the centre to the ship leaves the picture, a little inside it.
    const double scale =
        std::min((halfWidth - 10.0) / std::fabs(x), (halfHeight - 10.0) / std::fabs(y));
    const double tipX = x * scale;
    const double tipY = y * scale;
    const double length = std::hypot(x, y);
    const double ux = x / length;
    const double uy = y / length;
    setColor(COLOR_YELLOW);
    graphics::begin(graphics::triangles);
    graphics::vertex2f(static_cast<float>(tipX + ux * 8.0), static_cast<float>(tipY + uy * 8.0));
    graphics::vertex2f(static_cast<float>(tipX - uy * 5.0), static_cast<float>(tipY + ux * 5.0));
    graphics::vertex2f(static_cast<float>(tipX + uy * 5.0), static_cast<float>(tipY - ux * 5.0));
    graphics::end();
    resetColor();
}

std::string figuresJson(const Figures& figures) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "{\"frame\":%lld,\"worldFrames\":%lld,\"replayFrames\":%lld,\"speed\":\"%s\","
                  "\"satellites\":%d,\"parts\":%d,\"fragments\":%d,\"bullets\":%d,"
                  "\"breakUps\":%lld,\"shipAboard\":%s,\"shipAlive\":%s,\"shipSpeed\":%.3f,"
                  "\"shipHeight\":%.1f,\"time\":\"%s\"}",
                  figures.frame, figures.worldFrames, figures.replayFrames, figures.speed.c_str(),
                  figures.satellites, figures.parts, figures.fragments, figures.bullets,
                  figures.breakUps, figures.shipAboard ? "true" : "false",
                  figures.shipAlive ? "true" : "false", figures.shipSpeed, figures.shipHeight,
                  timeText(figures.worldFrames).c_str());
    return text;
}
