#pragma once

// The map view's frame (Shape2) and its twelve gridlines (Line1..Line7 vertical,
// Line8..Line12 horizontal), in twips, and the rule that fits them to a map.
struct ViewFrame
{
    static constexpr int Origin = 120;  // X1 of the horizontal lines, Y1 of the vertical ones
    static constexpr int BlockTwips = 960;

    int ShapeWidth = 7695;
    int ShapeHeight = 5775;
    bool LineVisible[13] = {};  // index 1..12; index 0 unused
    int LineX2[13] = {};        // X2 of the horizontal lines 8..12
    int LineY2[13] = {};        // Y2 of the vertical lines 1..7

    // The stored state: every line visible, full length, the frame 8 x 6 blocks.
    static ViewFrame Design();
    static bool IsVertical(int k) { return k >= 1 && k <= 7; }
    static int LineX(int k);    // x of vertical line k (1..7)
    static int LineY(int k);    // y of horizontal line 7 + k (k = 1..5)

    void ShowAllLines();
    void HideAllLines();
    // Width part of the fitting rule (nothing for w < 1), then height part (nothing for h < 1).
    void FitWidth(int w);
    void FitHeight(int h);
    // Both parts, width first.
    void Fit(int w, int h);
    // The frame's two settings alone (the lines are left as they are).
    void FitFrameOnly(int w, int h);
};
