#pragma once

// The frame (Shape2) and the 26 gridlines of a map view laid out in squares (half a
// block each way), in twips, and the rule that fits them to a map. Lines 1..7 and
// 13..20 are vertical, at x = 600 + 480 k (k = 0..14); lines 8..12 and 21..26 are
// horizontal, at y = 600 + 480 k (k = 0..10).
struct SquareViewFrame
{
    static constexpr int LineCount = 26;
    static constexpr int Origin = 120; // X1 of the horizontal lines, Y1 of the vertical ones

    int ShapeWidth = 7695;
    int ShapeHeight = 5775;
    bool LineVisible[LineCount + 1] = {}; // index 1..26; index 0 unused
    int LineX2[LineCount + 1] = {};       // of the horizontal lines
    int LineY2[LineCount + 1] = {};       // of the vertical lines

    // The stored state: every line visible at full length, the frame 8 x 6 blocks.
    static SquareViewFrame Design();
    static bool IsVertical(int k);
    // x of a vertical line, y of a horizontal one.
    static int Position(int k);

    void ShowLines(int first, int last);
    void HideAllLines();
    // Width part (nothing for w < 1): lines on or beyond the map's right edge are
    // hidden, the others keep their visibility; every horizontal line ends on the frame.
    void FitWidth(int w);
    // Height part, the same downwards (nothing for h < 1).
    void FitHeight(int h);
    void Fit(int w, int h);
    // The frame's two settings alone.
    void FitFrameOnly(int w, int h);
};
