#include "game/board.h"

namespace board {

int cellAt(std::int32_t x, std::int32_t y)
{
    for (int n = 1; n <= kElementCount; ++n)
        if (pointOnCell(n, x, y))
            return n;
    return 0;
}

} // namespace board
