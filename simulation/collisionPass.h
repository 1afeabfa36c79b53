#pragma once

#include "objects/satellite.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

// One frame's break-ups: objects touching the Earth first, each alone, then every touching
// pair of live objects, in the order of a loop over all pairs. A uniform grid finds each
// object's partners, so the cost follows the number of live objects and how crowded they are,
// not the square of the population. The buffers are kept from one frame to the next.
class CollisionPass {
public:
    // Below this many objects, trying every pair is the quicker way.
    static constexpr std::size_t defaultGridThreshold = 20;

    explicit CollisionPass(std::size_t threshold = defaultGridThreshold)
        : gridThreshold(threshold) {}

    // objects in examination order, dead ones included; the pieces go to newDebris in order
    // of creation.
    void run(const std::vector<Satellite*>& objects, SatelliteList& newDebris);

private:
    // The cells along one axis; the border cells also take everything beyond them.
    struct Axis {
        double low;
        double perCell; // cells a metre
        std::int32_t count;
        std::int32_t indexOf(double value) const;
    };

    // An object in the grid: centre and reach in metres, the cells it covers, its index.
    struct Body {
        double x;
        double y;
        double reach;
        std::int32_t cellX;
        std::int32_t cellY;
        std::int32_t lastCellX;
        std::int32_t lastCellY;
        std::uint32_t index;
    };

    // A body's copy in one cell, so that a cell's bodies are read one after another.
    struct Entry {
        double x;
        double y;
        double reach;
        std::uint32_t index;
    };

    static constexpr std::uint32_t noPartner = std::numeric_limits<std::uint32_t>::max();

    void breakUpPairsByLoop(const std::vector<Satellite*>& objects, SatelliteList& newDebris);
    void breakUpPairsByGrid(SatelliteList& newDebris);
    void layOutGrid();
    void fillCells();
    std::uint32_t firstPartnerInGrid(const Body& body, bool alive);
    bool touchesLive(std::uint32_t index, std::uint32_t other) const;

    std::size_t gridThreshold;
    std::vector<Satellite*> live;
    std::vector<Body> bodies;
    std::vector<std::uint32_t> irregular;
    Axis axisX{};
    Axis axisY{};
    std::vector<std::uint32_t> cellStart;
    // Each cell's first entry not yet asked about.
    std::vector<std::uint32_t> cellCursor;
    std::vector<Entry> cellEntries;
};
