#include "EventSymbols.h"

#include <QPainter>

namespace {

// The letter E on a 5 x 7 grid, drawn at three pixels a dot.
const char *const Letter[7] = {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
constexpr int Dot = 3;

QImage Draw(const QColor &frame)
{
    QImage image(EventSymbols::Size, EventSymbols::Size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    const QColor red(0xFF, 0x00, 0x00);
    const int left = (EventSymbols::Size - 5 * Dot) / 2;
    const int top = (EventSymbols::Size - 7 * Dot) / 2;
    for (int row = 0; row < 7; ++row)
        for (int col = 0; col < 5; ++col)
            if (Letter[row][col] == '#')
                p.fillRect(left + col * Dot, top + row * Dot, Dot, Dot, red);
    p.setPen(frame);
    p.drawRect(0, 0, EventSymbols::Size - 1, EventSymbols::Size - 1);
    return image;
}

} // namespace

namespace EventSymbols {

const QImage &Selected()
{
    static const QImage picture = Draw(QColor(0xFF, 0x00, 0x00));
    return picture;
}

const QImage &Unselected()
{
    static const QImage picture = Draw(QColor(0x00, 0x00, 0x00));
    return picture;
}

} // namespace EventSymbols
