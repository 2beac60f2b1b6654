#include "WarpSymControl.h"

#include "core/ui/MouseButtons.h"
#include "core/ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

WarpSymControl::WarpSymControl(QWidget *parent, int index, int leftTwips, int topTwips, int widthTwips,
                           int heightTwips)
    : QWidget(parent)
    , m_index(index)
    , m_left(leftTwips)
    , m_top(topTwips)
    , m_width(widthTwips)
    , m_height(heightTwips)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setGeometry(Twips::rect(m_left, m_top, m_width, m_height));
}

void WarpSymControl::setPosition(int leftTwips, int topTwips)
{
    if (leftTwips == m_left && topTwips == m_top)
        return;
    m_left = leftTwips;
    m_top = topTwips;
    setGeometry(Twips::rect(m_left, m_top, m_width, m_height));
}

void WarpSymControl::setPicture(const QImage &picture)
{
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void WarpSymControl::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), m_picture);
}

void WarpSymControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QPoint p = event->position().toPoint();
    emit MouseDown(m_index, MouseButtons::button(event->button()), MouseButtons::shift(event->modifiers()),
                   Twips::fromPixels(p.x()), Twips::fromPixels(p.y()));
}
