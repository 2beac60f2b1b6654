#include "ShapeControl.h"

#include "Twips.h"

#include <QPainter>

#include <algorithm>

ShapeControl::ShapeControl(QWidget *parent, int left, int top, int width, int height, QColor color,
                           int penPixels)
    : QWidget(parent)
    , m_left(left)
    , m_top(top)
    , m_width(width)
    , m_height(height)
    , m_color(color)
    , m_pen(std::max(1, penPixels))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    place();
    raise();
}

void ShapeControl::setLeft(int twips) { m_left = twips; place(); }
void ShapeControl::setTop(int twips) { m_top = twips; place(); }
void ShapeControl::setWidthTwips(int twips) { m_width = twips; place(); }
void ShapeControl::setHeightTwips(int twips) { m_height = twips; place(); }

void ShapeControl::setColor(const QColor &color)
{
    m_color = color;
    update();
}

void ShapeControl::place()
{
    setGeometry(Twips::rect(m_left, m_top, m_width, m_height));
    update();
}

// The border lies inside the rectangle, as wide as the pen.
void ShapeControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int w = width(), h = height();
    const int p = std::min({m_pen, (w + 1) / 2, (h + 1) / 2});
    if (p <= 0)
        return;
    painter.fillRect(0, 0, w, p, m_color);
    painter.fillRect(0, h - p, w, p, m_color);
    painter.fillRect(0, 0, p, h, m_color);
    painter.fillRect(w - p, 0, p, h, m_color);
}
