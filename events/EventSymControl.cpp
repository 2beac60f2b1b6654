#include "EventSymControl.h"

#include "core/ui/MouseButtons.h"
#include "core/ui/Twips.h"

#include <QMouseEvent>
#include <QPainter>

EventSymControl::EventSymControl(QWidget *parent, int leftTwips, int topTwips, int widthTwips, int heightTwips)
    : QWidget(parent)
    , m_left(leftTwips)
    , m_top(topTwips)
    , m_width(widthTwips)
    , m_height(heightTwips)
{
    setAttribute(Qt::WA_NoSystemBackground);
    place();
}

void EventSymControl::setLeft(int twips)
{
    if (twips == m_left)
        return;
    m_left = twips;
    place();
}

void EventSymControl::setTop(int twips)
{
    if (twips == m_top)
        return;
    m_top = twips;
    place();
}

void EventSymControl::setPicture(const QImage &picture)
{
    if (m_picture.cacheKey() == picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void EventSymControl::place()
{
    setGeometry(Twips::rect(m_left, m_top, m_width, m_height));
}

void EventSymControl::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void EventSymControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QPoint p = event->position().toPoint();
    emit MouseDown(MouseButtons::button(event->button()), MouseButtons::shift(event->modifiers()),
                   Twips::fromPixels(p.x()), Twips::fromPixels(p.y()));
}
