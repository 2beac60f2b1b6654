#pragma once

#include <QMouseEvent>

// The button and shift values the press handlers receive: 1 left, 2 right, 4 middle;
// shift 1, ctrl 2, alt 4.
namespace MouseButtons {

inline int button(Qt::MouseButton b)
{
    switch (b) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

inline int shift(Qt::KeyboardModifiers m)
{
    return (m.testFlag(Qt::ShiftModifier) ? 1 : 0) | (m.testFlag(Qt::ControlModifier) ? 2 : 0)
        | (m.testFlag(Qt::AltModifier) ? 4 : 0);
}

} // namespace MouseButtons
