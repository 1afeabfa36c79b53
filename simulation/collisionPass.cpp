#include "simulation/collisionPass.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <limits>

namespace {

// Coordinates and reaches beyond this are tried against every object instead, so that no
// sum, product or square in the grid can overflow.
constexpr double largest = 1.0e150;

// Reaches are widened a little beyond what rounding in isColliding can make of a contact: a
// part of the reach itself, and a length for squares that vanish below the smallest double.
// Rounding never reorders two values, so boxes that meet keep meeting through the cell indices.
constexpr double reachSlack = 1.0e-9;
constexpr double underflowSlack = 1.0e-100; // metres

// Tuned by the benchmark: cells a dozen typical reaches across, since a query that reads one
// long cell beats one that jumps between small ones; at most two cells for every object, and
// larger cells when huge objects would fill too many of them.
constexpr double cellPerReach = 12.0;
constexpr std::size_t reachSamples = 65;
constexpr std::size_t cellsPerBody = 2;
constexpr std::size_t entriesPerBody = 8;

// The grid spans this many standard deviations of the centres around their mean; objects
// further out share its border cells, so that one far away does not stretch every cell.
constexpr double spreadWindow = 4.0;

// False for infinities and NaN too.
bool isModest(double value) { return std::abs(value) <= largest; }

} // namespace

// Rises with the coordinate, so ranges that overlap keep overlapping as cell indices; a
// product by the reciprocal rises as a quotient does, and costs less.
std::int32_t CollisionPass::Axis::indexOf(double value) const {
    const double index = std::floor((value - low) * perCell);
    if (index <= 0.0) {
        return 0;
    }
    return index >= count - 1 ? count - 1 : static_cast<std::int32_t>(index);
}

void CollisionPass::run(const std::vector<Satellite*>& objects, SatelliteList& newDebris) {
    // An object touching the Earth breaks up alone, before any pair is looked at.
    for (Satellite* pSatellite : objects) {
        if (pSatellite->isAlive() && pSatellite->isCollidingWithEarth()) {
            pSatellite->destroy(newDebris);
        }
    }

    if (objects.size() < gridThreshold) {
        breakUpPairsByLoop(objects, newDebris);
        return;
    }
    // What is dead by now takes part in no pair, and nothing moves until the pass is over.
    live.clear();
    for (Satellite* pSatellite : objects) {
        if (pSatellite->isAlive()) {
            live.push_back(pSatellite);
        }
    }
    assert(live.size() < noPartner);
    breakUpPairsByGrid(newDebris);
}

// Life is tested afresh for every pair: an object breaks up with its first live partner.
void CollisionPass::breakUpPairsByLoop(const std::vector<Satellite*>& objects,
                                       SatelliteList& newDebris) {
    for (std::size_t i = 0; i < objects.size(); ++i) {
        for (std::size_t j = i + 1; j < objects.size(); ++j) {
            if (objects[i]->isAlive() && objects[j]->isAlive() &&
                objects[i]->isColliding(*objects[j])) {
                objects[i]->destroy(newDebris);
                objects[j]->destroy(newDebris);
            }
        }
    }
}

// The loop over all pairs, row by row: once an object has broken up with the first live
// partner after it, the rest of its row finds it dead. So each live object needs only its
// first live partner, and the grid offers every object that may touch it.
void CollisionPass::breakUpPairsByGrid(SatelliteList& newDebris) {
    bodies.clear();
    irregular.clear();
    const double zoom = Position::getZoom();
    for (std::uint32_t i = 0; i < live.size(); ++i) {
        const double x = live[i]->getPosition().getMetersX();
        const double y = live[i]->getPosition().getMetersY();
        const double reach = live[i]->getRadius() * zoom;
        // A negative reach, from a negative size or scale, is no box; NaN fails every test.
        if (isModest(x) && isModest(y) && reach >= 0.0 && reach <= largest) {
            bodies.push_back({x, y, reach * (1.0 + reachSlack) + underflowSlack, 0, 0, 0, 0, i});
        } else {
            irregular.push_back(i);
        }
    }
    if (!bodies.empty()) {
        layOutGrid();
        fillCells();
    }

    auto pBody = bodies.begin();
    for (std::uint32_t i = 0; i < live.size(); ++i) {
        const bool inGrid = pBody != bodies.end() && pBody->index == i;
        const bool alive = live[i]->isAlive();
        std::uint32_t partner = noPartner;
        if (inGrid) {
            // Dead or alive, the body leaves its cells' cursors behind it.
            partner = firstPartnerInGrid(*pBody, alive);
        }
        if (inGrid && alive) {
            // Infinite or negative reaches and positions far out are rare: tried one by one.
            for (auto pOther = std::upper_bound(irregular.begin(), irregular.end(), i);
                 pOther != irregular.end() && *pOther < partner; ++pOther) {
                if (touchesLive(i, *pOther)) {
                    partner = *pOther;
                }
            }
        } else if (!inGrid && alive) {
            for (std::uint32_t j = i + 1; j < live.size() && partner == noPartner; ++j) {
                if (touchesLive(i, j)) {
                    partner = j;
                }
            }
        }
        if (partner != noPartner) {
            live[i]->destroy(newDebris);
            live[partner]->destroy(newDebris);
        }
        if (inGrid) {
            ++pBody;
        }
    }
}

bool CollisionPass::touchesLive(std::uint32_t index, std::uint32_t other) const {
    return live[other]->isAlive() && live[index]->isColliding(*live[other]);
}

void CollisionPass::layOutGrid() {
    const double count = static_cast<double>(bodies.size());
    double meanX = 0.0;
    double meanY = 0.0;
    for (const Body& body : bodies) {
        meanX += body.x;
        meanY += body.y;
    }
    meanX /= count;
    meanY /= count;
    double spreadX = 0.0;
    double spreadY = 0.0;
    double minX = bodies[0].x;
    double maxX = bodies[0].x;
    double minY = bodies[0].y;
    double maxY = bodies[0].y;
    for (const Body& body : bodies) {
        spreadX += (body.x - meanX) * (body.x - meanX);
        spreadY += (body.y - meanY) * (body.y - meanY);
        minX = std::min(minX, body.x);
        maxX = std::max(maxX, body.x);
        minY = std::min(minY, body.y);
        maxY = std::max(maxY, body.y);
    }
    const double windowX = spreadWindow * std::sqrt(spreadX / count);
    const double windowY = spreadWindow * std::sqrt(spreadY / count);
    const double lowX = std::max(minX, meanX - windowX);
    const double lowY = std::max(minY, meanY - windowY);
    const double spanX = std::max(0.0, std::min(maxX, meanX + windowX) - lowX);
    const double spanY = std::max(0.0, std::min(maxY, meanY + windowY) - lowY);

    // A typical reach, the median of a few bodies spread through the list, sizes the cells, so
    // that a few huge objects do not make every cell huge.
    std::vector<double> samples;
    const std::size_t stride = std::max<std::size_t>(1, bodies.size() / reachSamples);
    for (std::size_t b = 0; b < bodies.size(); b += stride) {
        samples.push_back(bodies[b].reach);
    }
    const auto middle = samples.begin() + static_cast<std::ptrdiff_t>(samples.size() / 2);
    std::nth_element(samples.begin(), middle, samples.end());

    const double maxCells = static_cast<double>(cellsPerBody) * count;
    double cell = std::max({cellPerReach * *middle, spanX / maxCells, spanY / maxCells,
                            std::sqrt(spanX * spanY / maxCells)});

    // Larger cells until huge objects no longer cover too many of them; one cell always does.
    for (;;) {
        axisX = {lowX, 1.0 / cell, static_cast<std::int32_t>(std::floor(spanX / cell)) + 1};
        axisY = {lowY, 1.0 / cell, static_cast<std::int32_t>(std::floor(spanY / cell)) + 1};
        double entries = 0.0;
        for (Body& body : bodies) {
            body.cellX = axisX.indexOf(body.x - body.reach);
            body.lastCellX = axisX.indexOf(body.x + body.reach);
            body.cellY = axisY.indexOf(body.y - body.reach);
            body.lastCellY = axisY.indexOf(body.y + body.reach);
            entries += static_cast<double>(body.lastCellX - body.cellX + 1) *
                       static_cast<double>(body.lastCellY - body.cellY + 1);
        }
        if (entries <= static_cast<double>(entriesPerBody) * count ||
            (axisX.count == 1 && axisY.count == 1)) {
            return;
        }
        cell *= 2.0;
    }
}

// Each cell's entries in candidate order: counted first, then placed from the back.
void CollisionPass::fillCells() {
    const auto width = static_cast<std::size_t>(axisX.count);
    const std::size_t cellCount = width * static_cast<std::size_t>(axisY.count);
    const auto forEachCell = [width](const Body& body, auto visit) {
        for (std::int32_t cy = body.cellY; cy <= body.lastCellY; ++cy) {
            for (std::int32_t cx = body.cellX; cx <= body.lastCellX; ++cx) {
                visit(static_cast<std::size_t>(cy) * width + static_cast<std::size_t>(cx));
            }
        }
    };
    cellStart.assign(cellCount + 1, 0);
    for (const Body& body : bodies) {
        forEachCell(body, [this](std::size_t c) { ++cellStart[c]; });
    }
    for (std::size_t c = 1; c <= cellCount; ++c) {
        cellStart[c] += cellStart[c - 1];
    }
    cellEntries.resize(cellStart[cellCount]);
    for (std::size_t b = bodies.size(); b-- > 0;) {
        const Body& body = bodies[b];
        const Entry entry{body.x, body.y, body.reach, body.index};
        forEachCell(body, [&](std::size_t c) { cellEntries[--cellStart[c]] = entry; });
    }
    cellCursor.assign(cellStart.begin(), cellStart.end() - 1);
}

// The earliest object after the body that touches it and is alive, or noPartner; nothing
// is sought for a dead body. Bodies come in order, and each cell lists its bodies in order,
// so a cell's cursor stands on the body asked about: the cell's later bodies follow it, and
// the scan of a cell ends at its first partner.
std::uint32_t CollisionPass::firstPartnerInGrid(const Body& body, bool alive) {
    const auto width = static_cast<std::size_t>(axisX.count);
    std::uint32_t partner = noPartner;
    for (std::int32_t cy = body.cellY; cy <= body.lastCellY; ++cy) {
        for (std::int32_t cx = body.cellX; cx <= body.lastCellX; ++cx) {
            const std::size_t c =
                static_cast<std::size_t>(cy) * width + static_cast<std::size_t>(cx);
            assert(cellEntries[cellCursor[c]].index == body.index);
            const Entry* pEntry = cellEntries.data() + ++cellCursor[c];
            const Entry* const pEnd = cellEntries.data() + cellStart[c + 1];
            for (; alive && pEntry < pEnd && pEntry->index < partner; ++pEntry) {
                // Wider than isColliding by the slack, whatever the rounding.
                const double dx = body.x - pEntry->x;
                const double dy = body.y - pEntry->y;
                const double reach = body.reach + pEntry->reach;
                if (dx * dx + dy * dy <= reach * reach && touchesLive(body.index, pEntry->index)) {
                    partner = pEntry->index;
                }
            }
        }
    }
    return partner;
}
