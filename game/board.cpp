#include "game/board.h"

#include <compare>
#include <cstdlib>

namespace board {

int cellAt(std::int32_t x, std::int32_t y, int count)
{
    for (int n = 1; n <= count; ++n)
        if (pointOnCell(n, x, y))
            return n;
    return 0;
}

int cellCovering(std::int32_t x, std::int32_t y, int count)
{
    for (int n = 1; n <= count; ++n)
        if (overlapsCell(n, {x, y}, 1, 1))
            return n;
    return 0;
}

int cellWithCorner(Point corner, int count)
{
    const int cell = cellAt(corner.x + kCellSize / 2, corner.y + kCellSize / 2, count);
    return cell && kCellCorners[cell] == corner ? cell : 0;
}

int period(int n)
{
    const std::int32_t top = kCellCorners[n].y;
    if (top > 280) // the series rows hang below periods 6 and 7
        return top == 320 ? 6 : 7;
    return top / kCellSize;
}

int group(int n)
{
    const Point c = kCellCorners[n];
    return c.y > 280 ? 0 : (c.x - 10) / kCellSize + 1;
}

int nearestInDirection(const Point *points, int n, Point from, int dx, int dy)
{
    // Points straight that way come first, then those in a narrow cone around it, then any
    // on that side; within the first two tiers the nearest wins, sideways steps weighing
    // double, and in the last the one least to the side.
    struct Rank
    {
        int tier;
        std::int64_t score;
        auto operator<=>(const Rank &) const = default;
    };
    int best = -1;
    Rank bestRank{};
    for (int i = 0; i < n; ++i) {
        const std::int64_t along =
            std::int64_t(points[i].x - from.x) * dx + std::int64_t(points[i].y - from.y) * dy;
        const std::int64_t across = std::llabs(std::int64_t(points[i].x - from.x) * dy +
                                               std::int64_t(points[i].y - from.y) * dx);
        if (along <= 0)
            continue;
        const Rank rank = across == 0          ? Rank{0, along}
                          : 2 * across < along ? Rank{1, along + 2 * across}
                                               : Rank{2, across * 100000 + along};
        if (best < 0 || rank < bestRank) {
            best = i;
            bestRank = rank;
        }
    }
    return best;
}

int cellInDirection(int n, int dx, int dy, int count)
{
    const int found = nearestInDirection(kCellCorners.data() + 1, count, kCellCorners[n], dx, dy);
    return found < 0 ? n : found + 1;
}

} // namespace board
