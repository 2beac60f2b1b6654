#include "ViewFrame.h"

#include <algorithm>
#include <iterator>

namespace {
constexpr int FirstVertical = 1;
constexpr int LastVertical = 7;
constexpr int FirstHorizontal = 8;
constexpr int LastHorizontal = 12;
constexpr int ViewColumns = 8;
constexpr int ViewRows = 6;
constexpr int FrameEdge = 15;  // the frame's own border adds one pixel
}

ViewFrame ViewFrame::Design()
{
    ViewFrame f;
    f.ShapeWidth = BlockTwips * ViewColumns + FrameEdge;
    f.ShapeHeight = BlockTwips * ViewRows + FrameEdge;
    f.ShowAllLines();
    for (int k = FirstVertical; k <= LastVertical; ++k)
        f.LineY2[k] = 5880;
    for (int k = FirstHorizontal; k <= LastHorizontal; ++k)
        f.LineX2[k] = 7800;
    return f;
}

int ViewFrame::LineX(int k)
{
    return Origin + BlockTwips * k;
}

int ViewFrame::LineY(int k)
{
    return Origin + BlockTwips * k;
}

void ViewFrame::ShowAllLines()
{
    std::fill(std::begin(LineVisible) + 1, std::end(LineVisible), true);
}

void ViewFrame::HideAllLines()
{
    std::fill(std::begin(LineVisible) + 1, std::end(LineVisible), false);
}

void ViewFrame::FitWidth(int w)
{
    if (w < 1)
        return;
    const int span = BlockTwips * std::min(w, ViewColumns) + FrameEdge;
    ShapeWidth = span;
    // Lines on or past the map's right edge go; the rest keep what they had.
    for (int k = FirstVertical; k <= LastVertical; ++k)
        if (k >= w)
            LineVisible[k] = false;
    for (int k = FirstHorizontal; k <= LastHorizontal; ++k)
        LineX2[k] = Origin + span;
}

void ViewFrame::FitHeight(int h)
{
    if (h < 1)
        return;
    const int span = BlockTwips * std::min(h, ViewRows) + FrameEdge;
    ShapeHeight = span;
    for (int k = 1; k <= LastHorizontal - LastVertical; ++k)
        if (k >= h)
            LineVisible[LastVertical + k] = false;
    for (int k = FirstVertical; k <= LastVertical; ++k)
        LineY2[k] = Origin + span;
}

void ViewFrame::Fit(int w, int h)
{
    FitWidth(w);
    FitHeight(h);
}

void ViewFrame::FitFrameOnly(int w, int h)
{
    if (w >= 1)
        ShapeWidth = BlockTwips * std::min(w, ViewColumns) + FrameEdge;
    if (h >= 1)
        ShapeHeight = BlockTwips * std::min(h, ViewRows) + FrameEdge;
}
