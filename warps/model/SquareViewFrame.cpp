#include "SquareViewFrame.h"

#include <algorithm>

namespace {

constexpr int SquareTwips = 480;
constexpr int BlockTwips = 960;

} // namespace

SquareViewFrame SquareViewFrame::Design()
{
    SquareViewFrame f;
    for (int k = 1; k <= LineCount; ++k) {
        f.LineVisible[k] = true;
        if (IsVertical(k))
            f.LineY2[k] = 5880;
        else
            f.LineX2[k] = 7800;
    }
    return f;
}

bool SquareViewFrame::IsVertical(int k)
{
    return (k >= 1 && k <= 7) || (k >= 13 && k <= 20);
}

int SquareViewFrame::Position(int k)
{
    // The lines were numbered as they were added: the first seven and five, then the rest.
    int step = 0;
    if (k >= 1 && k <= 7)
        step = k - 1;
    else if (k >= 13 && k <= 20)
        step = k - 6;
    else if (k >= 8 && k <= 12)
        step = k - 8;
    else
        step = k - 16;
    return 600 + SquareTwips * step;
}

void SquareViewFrame::ShowLines(int first, int last)
{
    for (int k = std::max(first, 1); k <= std::min(last, LineCount); ++k)
        LineVisible[k] = true;
}

void SquareViewFrame::HideAllLines()
{
    for (int k = 1; k <= LineCount; ++k)
        LineVisible[k] = false;
}

void SquareViewFrame::FitWidth(int w)
{
    if (w < 1)
        return;
    const int n = std::min(w, 8);
    ShapeWidth = BlockTwips * n + 15;
    for (int k = 1; k <= LineCount; ++k) {
        if (IsVertical(k)) {
            if (Position(k) >= Origin + BlockTwips * w)
                LineVisible[k] = false;
        } else {
            LineX2[k] = Origin + ShapeWidth;
        }
    }
}

void SquareViewFrame::FitHeight(int h)
{
    if (h < 1)
        return;
    const int m = std::min(h, 6);
    ShapeHeight = BlockTwips * m + 15;
    for (int k = 1; k <= LineCount; ++k) {
        if (!IsVertical(k)) {
            if (Position(k) >= Origin + BlockTwips * h)
                LineVisible[k] = false;
        } else {
            LineY2[k] = Origin + ShapeHeight;
        }
    }
}

void SquareViewFrame::Fit(int w, int h)
{
    FitWidth(w);
    FitHeight(h);
}

void SquareViewFrame::FitFrameOnly(int w, int h)
{
    if (w >= 1)
        ShapeWidth = BlockTwips * std::min(w, 8) + 15;
    if (h >= 1)
        ShapeHeight = BlockTwips * std::min(h, 6) + 15;
}
