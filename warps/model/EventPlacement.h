#pragma once

#include <cstdint>

// The two-byte event placement of a warp-to point: where the game puts the player's
// view when arriving there. For the block in 0-based column bx and row by of a map W
// blocks wide it is 198 x 256 + 239 + W + bx + by x (W + 6) + PlacementAdjust,
// held as a high and a low part.
namespace EventPlacement {

struct Value
{
    std::int64_t Low = 0;  // 0..255
    std::int64_t High = 0; // 0..255 when the value fits two bytes

    bool Fits() const { return High >= 0 && High <= 255; }
    std::int64_t Whole() const { return 256 * High + Low; }
};

// The low part starts at W + 239 + bx + by x (W + 6) + PlacementAdjust and the high
// part at 198; every 256 above 255 (below 0) of the low part carries into (borrows
// from) the high part.
Value Compute(std::int64_t mapWidth, std::int64_t bx, std::int64_t by, std::int64_t placementAdjust);

} // namespace EventPlacement
