#include "LineControl.h"

#include "Twips.h"

#include <QPainter>

#include <algorithm>
#include <cstdlib>

LineControl::LineControl(QWidget *parent, int x1, int y1, int x2, int y2, QColor color)
    : QWidget(parent)
    , m_x1(x1)
    , m_y1(y1)
    , m_x2(x2)
    , m_y2(y2)
    , m_color(color)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    place();
    raise();
}

void LineControl::setX1(int twips) { m_x1 = twips; place(); }
void LineControl::setY1(int twips) { m_y1 = twips; place(); }
void LineControl::setX2(int twips) { m_x2 = twips; place(); }
void LineControl::setY2(int twips) { m_y2 = twips; place(); }

void LineControl::setColor(const QColor &color)
{
    m_color = color;
    update();
}

// The far end is not drawn, so a line from a frame's left edge to X1 + width ends
// on the frame's right edge.
void LineControl::place()
{
    const int x1 = Twips::toPixels(m_x1), y1 = Twips::toPixels(m_y1);
    const int x2 = Twips::toPixels(m_x2), y2 = Twips::toPixels(m_y2);
    setGeometry(std::min(x1, x2), std::min(y1, y2), std::max(1, std::abs(x2 - x1)),
                std::max(1, std::abs(y2 - y1)));
    update();
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int x1 = Twips::toPixels(m_x1), y1 = Twips::toPixels(m_y1);
    const int x2 = Twips::toPixels(m_x2), y2 = Twips::toPixels(m_y2);
    if (x1 == x2 || y1 == y2) {
        painter.fillRect(rect(), m_color);
        return;
    }
    const QPoint origin(std::min(x1, x2), std::min(y1, y2));
    painter.setPen(QPen(m_color, 0));
    painter.drawLine(QPoint(x1, y1) - origin, QPoint(x2, y2) - origin);
}
