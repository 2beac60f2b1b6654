#include "EventGridLines.h"

namespace {

constexpr int BlockTwips = 960;
constexpr int CellOverlap = 15;

int FrameWidth(int w) { return w >= 8 ? EventGridLines::FullWidth : BlockTwips * w + CellOverlap; }
int FrameHeight(int h) { return h >= 6 ? EventGridLines::FullHeight : BlockTwips * h + CellOverlap; }

} // namespace

EventGridLines EventGridLines::Design()
{
    EventGridLines g;
    for (int n = 1; n <= Lines; ++n) {
        g.LineVisible[n] = true;
        if (IsVertical(n))
            g.LineY2[n] = 5880;
        else
            g.LineX2[n] = 7800;
    }
    return g;
}

bool EventGridLines::IsVertical(int line)
{
    return (line >= 1 && line <= 7) || (line >= 13 && line <= 20);
}

int EventGridLines::PositionNumber(int line)
{
    if (line >= 1 && line <= 7)
        return line;
    if (line >= 13 && line <= 20)
        return line - 5;
    if (line >= 8 && line <= 12)
        return line - 7;
    if (line >= 21 && line <= 26)
        return line - 15;
    return 0;
}

void EventGridLines::ShowAllLines()
{
    for (int n = 1; n <= Lines; ++n)
        LineVisible[n] = true;
}

void EventGridLines::HideAllLines()
{
    for (int n = 1; n <= Lines; ++n)
        LineVisible[n] = false;
}

void EventGridLines::FitWidth(int w)
{
    if (w < 1)
        return;
    ShapeWidth = FrameWidth(w);
    for (int n = 1; n <= Lines; ++n) {
        if (IsVertical(n)) {
            // On or beyond the map's right edge; a map one block wide keeps the line
            // on its edge, as the window always has.
            const int k = PositionNumber(n);
            if (w < 8 && k >= (w == 1 ? 3 : 2 * w))
                LineVisible[n] = false;
        } else {
            LineX2[n] = Origin + ShapeWidth;
        }
    }
}

void EventGridLines::FitHeight(int h)
{
    if (h < 1)
        return;
    ShapeHeight = FrameHeight(h);
    for (int n = 1; n <= Lines; ++n) {
        if (!IsVertical(n)) {
            if (h < 6 && PositionNumber(n) >= 2 * h)
                LineVisible[n] = false;
        } else {
            LineY2[n] = Origin + ShapeHeight;
        }
    }
}

void EventGridLines::FitFrameOnly(int w, int h)
{
    if (w >= 1)
        ShapeWidth = FrameWidth(w);
    if (h >= 1)
        ShapeHeight = FrameHeight(h);
}
