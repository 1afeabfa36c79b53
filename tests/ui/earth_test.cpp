#include "ui/uiDraw.h"

#include "physics/constants.h"
#include "support/glRecorder.h"
#include "support/scopedZoom.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

constexpr double pi = 3.141592653589793;
constexpr double tolerance = 1e-4; // pixels
constexpr int earthSize = 50;

// First and last painted column of every row, bottom row first.
const std::pair<int, int> outline[earthSize] = {
    {20, 29}, {17, 32}, {15, 34}, {12, 37}, {11, 39}, {9, 40}, {8, 41}, {7, 42}, {6, 43},
    {6, 43},  {5, 44},  {4, 45},  {4, 46},  {3, 46},  {3, 46}, {2, 47}, {2, 47}, {1, 48},
    {1, 48},  {1, 48},  {1, 48},  {0, 49},  {0, 49},  {0, 49}, {0, 49}, {0, 49}, {0, 49},
    {0, 49},  {0, 49},  {1, 48},  {1, 48},  {1, 48},  {1, 48}, {2, 47}, {2, 47}, {3, 46},
    {3, 46},  {4, 45},  {4, 45},  {5, 44},  {6, 43},  {7, 42}, {8, 41}, {9, 40}, {10, 39},
    {11, 38}, {13, 36}, {15, 34}, {17, 32}, {21, 28},
};

// Rows whose every cell is given, x = 0 to 49.
const std::pair<int, std::string> listedRows[] = {
    {0, "00000000000000000000111111111100000000000000000000"},
    {1, "00000000000000000133322111122231100000000000000000"},
    {24, "11111111111112331111111111144444411111111333133332"},
    {25, "11111111111111131111111111111111111111233313333332"},
    {28, "11111111111113222211111144444444414111111111113333"},
    {48, "00000000000000000111122221111112300000000000000000"},
    {49, "00000000000000000000011111111000000000000000000000"},
};

// The palette, recognised by the colour each quad was sent in.
const glrec::Rgb palette[] = {
    {0.5F, 0.5F, 0.5F},
    {0.0F, 0.0F, 1.0F},
    {0.0F, 0.5859375F, 0.0F},
    {0.703125F, 0.5859375F, 0.4296875F},
    {0.99609375F, 0.99609375F, 0.99609375F},
};

int paletteIndex(const glrec::Rgb& color) {
    for (int i = 1; i < 5; ++i) {
        if (palette[i] == color) {
            return i;
        }
    }
    return -1;
}

struct Cell {
    int x;
    int y;
    int value;
};

// Reads the cells back from the quads of an Earth drawn at (0, 0) without rotation,
// checking on the way that every quad is one cell in the stored corner order.
std::vector<Cell> cellsOf(const std::vector<glrec::Primitive>& quads) {
    std::vector<Cell> cells;
    for (const glrec::Primitive& quad : quads) {
        EXPECT_EQ(quad.vertices.size(), 4U);
        if (quad.vertices.size() != 4U) {
            continue;
        }
        const float left = quad.vertices[0].x;
        const float bottom = quad.vertices[0].y;
        EXPECT_EQ(quad.vertices[1].x, left);
        EXPECT_EQ(quad.vertices[1].y, bottom + 2.0F);
        EXPECT_EQ(quad.vertices[2].x, left + 2.0F);
        EXPECT_EQ(quad.vertices[2].y, bottom + 2.0F);
        EXPECT_EQ(quad.vertices[3].x, left + 2.0F);
        EXPECT_EQ(quad.vertices[3].y, bottom);
        cells.push_back(Cell{static_cast<int>(left + 50.0F) / 2,
                             static_cast<int>(bottom + 50.0F) / 2,
                             paletteIndex(quad.vertices[0].color)});
    }
    return cells;
}

std::vector<std::string> gridOf(const std::vector<Cell>& cells) {
    std::vector<std::string> grid(earthSize, std::string(earthSize, '0'));
    for (const Cell& cell : cells) {
        grid.at(cell.y).at(cell.x) = static_cast<char>('0' + cell.value);
    }
    return grid;
}

class OgstreamEarth : public ::testing::Test {
protected:
    void SetUp() override { glrec::reset(); }
    ScopedZoom zoom{1000.0};
};

} // namespace

TEST_F(OgstreamEarth, CoversItsSquareBottomRowFirst) {
    {
        ogstream gout;
        gout.drawEarth(Position(), 0.0);
    }
    const std::vector<glrec::Primitive> drawn = glrec::primitives();
    ASSERT_EQ(drawn.size(), 1938U);
    EXPECT_EQ(glrec::primitivesOf(graphics::quads).size(), drawn.size());
    EXPECT_EQ(glrec::callsNamed("glBegin").size(), 1938U);

    EXPECT_EQ(drawn[0].vertices[0].x, -10.0F);
    EXPECT_EQ(drawn[0].vertices[0].y, -50.0F);
    EXPECT_EQ(drawn[0].vertices[1].x, -10.0F);
    EXPECT_EQ(drawn[0].vertices[1].y, -48.0F);
    EXPECT_EQ(drawn[0].vertices[2].x, -8.0F);
    EXPECT_EQ(drawn[0].vertices[2].y, -48.0F);
    EXPECT_EQ(drawn[0].vertices[3].x, -8.0F);
    EXPECT_EQ(drawn[0].vertices[3].y, -50.0F);

    for (const glrec::Primitive& quad : drawn) {
        for (const glrec::Vertex& v : quad.vertices) {
            ASSERT_GE(v.x, -50.0F);
            ASSERT_LE(v.x, 50.0F);
            ASSERT_GE(v.y, -50.0F);
            ASSERT_LE(v.y, 50.0F);
        }
    }

    const std::vector<Cell> cells = cellsOf(drawn);
    for (std::size_t i = 1; i < cells.size(); ++i) {
        const bool after = cells[i].y > cells[i - 1].y ||
                           (cells[i].y == cells[i - 1].y && cells[i].x > cells[i - 1].x);
        ASSERT_TRUE(after) << "cell " << i << " out of order";
    }
    // The last cell is the top row's right end, in the sea.
    EXPECT_EQ(glrec::currentColor(), palette[1]);
}

TEST_F(OgstreamEarth, PictureKeepsItsDiscAndItsListedRows) {
    {
        ogstream gout;
        gout.drawEarth(Position(), 0.0);
    }
    const std::vector<Cell> cells = cellsOf(glrec::primitives());
    for (const Cell& cell : cells) {
        ASSERT_GE(cell.value, 1) << "cell (" << cell.x << ", " << cell.y << ")";
    }
    const std::vector<std::string> grid = gridOf(cells);

    for (int y = 0; y < earthSize; ++y) {
        const std::string& row = grid[y];
        const auto first = static_cast<int>(row.find_first_not_of('0'));
        const auto last = static_cast<int>(row.find_last_not_of('0'));
        EXPECT_EQ(first, outline[y].first) << "row " << y;
        EXPECT_EQ(last, outline[y].second) << "row " << y;
        EXPECT_EQ(row.find('0', first),
                  last == earthSize - 1 ? std::string::npos : static_cast<std::size_t>(last + 1))
            << "row " << y << " has a gap";
        if (row.find('4') != std::string::npos) {
            EXPECT_TRUE(y >= 5 && y <= 34) << "white in row " << y;
        }
    }
    for (const auto& [y, values] : listedRows) {
        EXPECT_EQ(grid[y], values) << "row " << y;
    }

    int counts[5] = {};
    for (const Cell& cell : cells) {
        ++counts[cell.value];
    }
    // Mostly sea, with all three other colours present.
    EXPECT_GT(counts[1], 900);
    EXPECT_GT(counts[2], 250);
    EXPECT_GT(counts[3], 450);
    EXPECT_GT(counts[4], 50);
}

TEST_F(OgstreamEarth, TurnsRigidlyAboutItsCenterAtAnyScale) {
    {
        ogstream gout;
        gout.drawEarth(Position(), 0.0);
    }
    const std::vector<glrec::Primitive> upright = glrec::primitives();

    const ScopedZoom running(runningZoom);
    const Position center = Position::fromPixels(100.0, -40.0);
    glrec::reset();
    {
        ogstream gout;
        gout.drawEarth(center, pi / 2.0);
    }
    const std::vector<glrec::Primitive> turned = glrec::primitives();
    ASSERT_EQ(turned.size(), upright.size());

    // A quarter turn clockwise takes (x, y) to (y, -x).
    for (std::size_t i = 0; i < turned.size(); ++i) {
        for (std::size_t j = 0; j < 4; ++j) {
            ASSERT_NEAR(turned[i].vertices[j].x, 100.0 + upright[i].vertices[j].y, tolerance);
            ASSERT_NEAR(turned[i].vertices[j].y, -40.0 - upright[i].vertices[j].x, tolerance);
        }
        EXPECT_EQ(turned[i].vertices[0].color, upright[i].vertices[0].color);
    }
    // The bottom row's ten cells now stand along the left edge.
    for (std::size_t i = 0; i < 10; ++i) {
        for (const glrec::Vertex& v : turned[i].vertices) {
            EXPECT_NEAR(v.x, 100.0 - 49.0, 1.0 + tolerance);
        }
    }
}

TEST(OgstreamStar, GrowsAndShrinksWithItsPhase) {
    const ScopedZoom zoom(1000.0);
    const float dim = 0.5F;
    const float mid = 0.7F;
    const float bright = 1.0F;
    struct Case {
        unsigned char phase;
        float center;
        float ring1; // 0: no ring
        float ring2;
    };
    const Case cases[] = {
        {127, dim, 0, 0},        {128, bright, 0, 0},     {160, bright, dim, 0},
        {176, bright, mid, dim}, {208, bright, mid, dim}, {209, bright, dim, 0},
        {225, bright, 0, 0},     {255, bright, 0, 0},
    };
    const float x = 10.5F;
    const float y = -3.25F;
    for (const Case& each : cases) {
        glrec::reset();
        {
            ogstream gout;
            gout.drawStar(Position::fromPixels(x, y), each.phase);
        }
        struct Expected {
            float x;
            float y;
            float shade;
        };
        std::vector<Expected> points = {{x, y, each.center}};
        int d = 1;
        for (float ring : {each.ring1, each.ring2}) {
            if (ring != 0.0F) {
                const float fd = static_cast<float>(d);
                points.push_back({x + fd, y, ring});
                points.push_back({x - fd, y, ring});
                points.push_back({x, y + fd, ring});
                points.push_back({x, y - fd, ring});
            }
            ++d;
        }

        const std::vector<glrec::Primitive> drawn = glrec::primitives();
        ASSERT_EQ(drawn.size(), 1U);
        EXPECT_EQ(drawn[0].mode, static_cast<graphics::Mode>(graphics::points));
        ASSERT_EQ(drawn[0].vertices.size(), points.size()) << "phase " << int{each.phase};
        for (std::size_t i = 0; i < points.size(); ++i) {
            const glrec::Vertex& v = drawn[0].vertices[i];
            EXPECT_EQ(v.x, points[i].x) << "phase " << int{each.phase} << " point " << i;
            EXPECT_EQ(v.y, points[i].y) << "phase " << int{each.phase} << " point " << i;
            EXPECT_EQ(v.color, (glrec::Rgb{points[i].shade, points[i].shade, 0.0F}))
                << "phase " << int{each.phase} << " point " << i;
        }
        EXPECT_EQ(glrec::currentColor(), (glrec::Rgb{1.0F, 1.0F, 1.0F}));
        EXPECT_EQ(glrec::calls().back().name, "glEnd");
    }
}
