#pragma once

#include "LineControl.h"
#include "ShapeControl.h"

// A map view's frame and gridlines as a plain model and back. The model (ViewFrame and
// its square-grid siblings) holds ShapeWidth, ShapeHeight and, for lines 1..count,
// LineVisible, LineX2 and LineY2, and tells by Frame::IsVertical(k) which end moves.
namespace FrameLines {

template <class Frame>
Frame Read(const ShapeControl *shape, LineControl *const *line, int count)
{
    Frame f;
    if (!shape)
        return f;
    f.ShapeWidth = shape->Width();
    f.ShapeHeight = shape->Height();
    for (int k = 1; k <= count; ++k) {
        f.LineVisible[k] = !line[k]->isHidden();
        f.LineX2[k] = line[k]->X2();
        f.LineY2[k] = line[k]->Y2();
    }
    return f;
}

template <class Frame>
void Apply(const Frame &f, ShapeControl *shape, LineControl *const *line, int count)
{
    shape->setWidthTwips(f.ShapeWidth);
    shape->setHeightTwips(f.ShapeHeight);
    for (int k = 1; k <= count; ++k) {
        line[k]->setVisible(f.LineVisible[k]);
        if (Frame::IsVertical(k))
            line[k]->setY2(f.LineY2[k]);
        else
            line[k]->setX2(f.LineX2[k]);
    }
}

} // namespace FrameLines
