#pragma once

// The event editor's frame around the map view (Shape2) and its 26 gridlines, one
// every 480 twips (a square), and the rule that fits them to a map's size in blocks.
//
// Line numbers are the window's: Line1..Line7 and Line13..Line20 are vertical,
// Line8..Line12 and Line21..Line26 horizontal. Each line has a position number k,
// its distance in squares from the view's left (vertical) or top (horizontal) edge.
struct EventGridLines
{
    static constexpr int Lines = 26;
    static constexpr int Origin = 120;      // X1 of the horizontal lines, Y1 of the vertical ones
    static constexpr int SquareTwips = 480;
    static constexpr int FullWidth = 7695;  // 8 blocks and a cell's overlap
    static constexpr int FullHeight = 5775; // 6 blocks and a cell's overlap

    int ShapeWidth = FullWidth;
    int ShapeHeight = FullHeight;
    bool LineVisible[Lines + 1] = {}; // index 1..26
    int LineX2[Lines + 1] = {};       // end of the horizontal lines
    int LineY2[Lines + 1] = {};       // end of the vertical lines

    // The stored state: every line visible at its design length, the frame 8 x 6 blocks.
    static EventGridLines Design();
    static bool IsVertical(int line);
    static int PositionNumber(int line);
    // Where line n stands: x of a vertical line, y of a horizontal one.
    static int Place(int line) { return Origin + SquareTwips * PositionNumber(line); }

    void ShowAllLines();
    void HideAllLines();
    // Frame width, the vertical lines on or beyond the map's right edge hidden, and the
    // horizontal lines' ends on the frame; nothing for a width of 0 or less.
    void FitWidth(int w);
    // Likewise downwards for the height.
    void FitHeight(int h);
    // The frame's size alone (a size of 0 or less keeps that side).
    void FitFrameOnly(int w, int h);
};
