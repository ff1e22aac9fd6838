#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// Fixed geometry of the exercise board, in client pixels of the 812 x 606 main window.
// Cells and tray slots are 40 x 40 squares named by their top-left corner; neighbouring
// cells share their edge lines.
namespace board {

// The two tables the exercise is played with: the classic one of 114 elements, the default,
// whose last five tiles carry placeholder symbols, and today's of 118, which finishes period 7.
// Cells and tray slots 1 to 114 stand in the same places in both.
enum class Table
{
    Classic,
    Today,
};

inline constexpr int kElementCount = 114;    // the classic table's
inline constexpr int kMaxElementCount = 118; // today's

constexpr int elementCount(Table table)
{
    return table == Table::Today ? kMaxElementCount : kElementCount;
}

// Each table's name in the lab's settings, on the command line and in the records.
struct TableName
{
    Table table;
    std::string_view name;
};

inline constexpr TableName kTableNames[] = {
    {Table::Classic, "clasica"},
    {Table::Today, "actual"},
};

constexpr std::string_view tableName(Table table)
{
    for (const TableName &entry : kTableNames)
        if (entry.table == table)
            return entry.name;
    return {};
}

inline constexpr int kCellSize = 40;
// The tile strip holds one picture of 40 x 40 per element, side by side in atomic-number
// order: picture n fills columns 40 (n - 1) to 40 n - 1.
inline constexpr int kStripPicture = 40;

// Colours as the layout stores them: 24-bit values with red in the low byte.
using StoredColour = std::uint32_t;
inline constexpr StoredColour kEmptyCellColour = 13355181; // RGB 173, 200, 203
inline constexpr StoredColour kLitCellColour = 65280;      // pure green
inline constexpr StoredColour kWrongFrameColour = 255;     // red
inline constexpr StoredColour kRightFrameColour = 65280;   // green

// The tray below the table: a tile whose top lies this low or lower is in it.
inline constexpr int kTrayTop = 370;

struct Point
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend constexpr bool operator==(Point, Point) = default;
};

// One run of consecutive atomic numbers on one row of the table; Left grows by 40 within it.
struct CellRun
{
    int first;
    int last;
    int left;
    int top;
};

inline constexpr CellRun kCellRuns[] = {
    {1, 1, 10, 40},     {2, 2, 690, 40},     {3, 4, 10, 80},    {5, 10, 490, 80},
    {11, 12, 10, 120},  {13, 18, 490, 120},  {19, 36, 10, 160}, {37, 54, 10, 200},
    {55, 57, 10, 240},  {72, 86, 130, 240},  {87, 89, 10, 280}, {104, 118, 130, 280},
    {58, 71, 130, 320}, {90, 103, 170, 360},
};

namespace detail {
constexpr std::array<Point, kMaxElementCount + 1> makeCellTable()
{
    std::array<Point, kMaxElementCount + 1> table{};
    for (const CellRun &run : kCellRuns)
        for (int n = run.first; n <= run.last; ++n)
            table[n] = {run.left + kCellSize * (n - run.first), run.top};
    return table;
}

// Slots are numbered down each column: first the 20 x 5 block of the tray below the board,
// whose first row lies one row under kTrayTop, then the 2 x 7 block to the board's right.
// Today's table has four more on the actinides' row, which the others leave free: two left
// of its label, two right of its last cell, under the block on the right.
constexpr std::array<Point, kMaxElementCount + 1> makeSlotTable()
{
    std::array<Point, kMaxElementCount + 1> table{};
    int slot = 1;
    for (int c = 1; c <= 20; ++c)
        for (int r = 1; r <= 5; ++r)
            table[slot++] = {kCellSize * (c - 1), kTrayTop + kCellSize * r};
    for (int c = 1; c <= 2; ++c)
        for (int r = 1; r <= 7; ++r)
            table[slot++] = {40 * c + 690, 40 * r + 40};
    for (const int x : {0, 40, 730, 770})
        table[slot++] = {x, 360};
    return table;
}
} // namespace detail

// Indexed 1..118; entry 0 is unused. The classic table uses the first 114 of each.
inline constexpr std::array<Point, kMaxElementCount + 1> kCellCorners = detail::makeCellTable();
inline constexpr std::array<Point, kMaxElementCount + 1> kTraySlots = detail::makeSlotTable();

constexpr Point cellCorner(int n)
{
    return kCellCorners[n];
}
constexpr Point frameCorner(int n)
{
    return {kCellCorners[n].x - 1, kCellCorners[n].y - 1};
}
constexpr Point traySlot(int s)
{
    return kTraySlots[s];
}

// A point lies on cell n only when strictly inside its square: edge lines belong to no cell.
constexpr bool pointOnCell(int n, std::int32_t x, std::int32_t y)
{
    const Point c = kCellCorners[n];
    return c.x < x && x < c.x + kCellSize && c.y < y && y < c.y + kCellSize;
}

// The cell a point lies on among the first `count`, or 0 for none.
int cellAt(std::int32_t x, std::int32_t y, int count = kElementCount);
// The cell among the first `count` whose blank cell covers the point, or 0 for none. A blank
// cell covers its whole 40 x 40 square from its corner, the corner's own row and column
// included, so the board's cells leave no line between them that a click could miss.
int cellCovering(std::int32_t x, std::int32_t y, int count = kElementCount);
// Whether a rectangle (its corner and size, in pixels) lies at least partly on the blank
// cell of cell n.
constexpr bool overlapsCell(int n, Point corner, std::int32_t width, std::int32_t height)
{
    const Point c = kCellCorners[n];
    return corner.x < c.x + kCellSize && c.x < corner.x + width && corner.y < c.y + kCellSize &&
           c.y < corner.y + height;
}
// The cell among the first `count` whose corner is `corner`, where a tile placed on it stands;
// 0 for none.
int cellWithCorner(Point corner, int count = kElementCount);

// Where cell n stands in the table: its period 1..7, and its group 1..18, or 0 for the two
// series below the table (lanthanides in period 6, actinides in period 7).
int period(int n);
int group(int n);

// For moving a keyboard focus: of `points` (n of them), the index of the nearest one in the
// direction (dx, dy), a unit step along one axis, from `from`. Points straight that way come
// first (so a row continues across a gap), then those close to that line; when there are
// none, the one least to the side, so a move can reach a row that is offset sideways. -1
// when nothing lies that way.
int nearestInDirection(const Point *points, int n, Point from, int dx, int dy);
// The same among the first `count` cells: the cell next to cell n that way, or n itself at
// the edge.
int cellInDirection(int n, int dx, int dy, int count = kElementCount);

} // namespace board
