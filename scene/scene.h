#pragma once

#include "objects/ship.h"
#include "simulation/population.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// A sky of one's own: the satellites and parts a world starts with, and its ship. Text, one
// line each, '#' starting a comment; distances in km, speeds in m/s, angles in degrees as
// bearings (0 up the screen, growing clockwise); docs/scenes.md describes it whole:
//   corvexa-scene 1                              the format and its version
//   title Twenty-four GPS satellites             once
//   hubble at 0 -42164 velocity 3100 0           by state: km from the Earth's centre, m/s
//   gps orbit perigee 20182 count 24             by orbit: heights above the surface in km
//   starlink-body orbit perigee 500 apogee 900 direction 90 anomaly 180 clockwise
//   ship at -25000 25000 velocity 0 -2000 heading 0      or: ship none
class Scene {
public:
    static constexpr const char* format = "corvexa-scene";
    static constexpr int version = 1;
    // Satellites and parts together.
    static constexpr std::size_t maxObjects = 100000;
    // Half the bound of any text read, so that a replay carrying the scene, each line after
    // "scene ", keeps within it.
    static constexpr std::size_t maxLineLength = 4000; // bytes, without the line end
    static constexpr std::size_t maxTextSize = 2 * 1024 * 1024;

    // One object as placed: its kind (an index into the table of kinds), where it starts and
    // how it moves.
    struct Placement {
        int kind;
        Position position;
        Velocity velocity;
    };

    const std::string& getTitle() const { return title; }
    const std::vector<Placement>& getPlacements() const { return placements; }
    // The lines that say it all, as read, blank ones left out: what a replay carries.
    const std::vector<std::string>& getLines() const { return lines; }

    // Every object made afresh, in the order of the lines; without a ship line, the world as
    // built's ship, given in pixels at the scale in force now.
    Population populate() const;

    // The name of a kind, as a scene writes it.
    static const char* kindName(int kind);

private:
    friend class SceneReader;
    enum class ShipChoice { asBuilt, none, placed };

    std::string title;
    std::vector<Placement> placements;
    ShipChoice shipChoice = ShipChoice::asBuilt;
    ShipStart ship{};
    std::vector<std::string> lines;
};

// Reads a scene a line at a time, as whatever holds it, a file or a replay, hands the lines
// over. What is wrong comes back as text, for the reader of the lines to name the file and the
// line before it.
class SceneReader {
public:
    // What is wrong with the line, or nothing.
    std::string readLine(const std::string& line);
    // Once every line is read: what is wrong with the whole (no header, no title), or nothing
    // and the scene read.
    std::string finish(Scene& read);

private:
    void readAnyLine(const std::string& line);
    void readObject(int kind, std::vector<std::string>::const_iterator word,
                    std::vector<std::string>::const_iterator end);
    void readShip(std::vector<std::string>::const_iterator word,
                  std::vector<std::string>::const_iterator end);
    void place(int kind, const Position& position, const Velocity& velocity);

    Scene scene;
    std::size_t bytesRead = 0;
    bool headerSeen = false;
    bool titleSeen = false;
    bool shipSeen = false;
};
