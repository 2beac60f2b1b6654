#include "EventPlacement.h"

namespace EventPlacement {

Value Compute(std::int64_t mapWidth, std::int64_t bx, std::int64_t by, std::int64_t placementAdjust)
{
    const std::int64_t low = (mapWidth + 239) + bx + by * (mapWidth + 6) + placementAdjust;
    // Carrying and borrowing whole steps of 256 is floor division.
    std::int64_t carries = low / 256;
    if (low % 256 < 0)
        --carries;
    Value v;
    v.Low = low - 256 * carries;
    v.High = 198 + carries;
    return v;
}

} // namespace EventPlacement
