#include "ImageControl.h"

#include "MouseButtons.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>

ImageControl::ImageControl(QWidget *parent, int leftTwips, int topTwips, int widthTwips, int heightTwips, int index)
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

void ImageControl::setPosition(int leftTwips, int topTwips)
{
    if (leftTwips == m_left && topTwips == m_top)
        return;
    m_left = leftTwips;
    m_top = topTwips;
    setGeometry(Twips::rect(m_left, m_top, m_width, m_height));
}

void ImageControl::setPicture(const QImage &picture)
{
    // Assigning the picture the control already shows costs nothing.
    if (picture.cacheKey() == m_picture.cacheKey())
        return;
    m_picture = picture;
    update();
}

void ImageControl::setStretch(bool on)
{
    m_stretch = on;
    update();
}

void ImageControl::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_stretch)
        painter.drawImage(rect(), m_picture);
    else
        painter.drawImage(QPoint(0, 0), m_picture);
}

void ImageControl::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QPoint p = event->position().toPoint();
    emit MouseDown(m_index, MouseButtons::button(event->button()), MouseButtons::shift(event->modifiers()),
                   Twips::fromPixels(p.x()), Twips::fromPixels(p.y()));
}
