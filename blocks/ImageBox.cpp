#include "ImageBox.h"

#include "core/ui/Twips.h"

#include <QPainter>

ImageBox::ImageBox(QWidget *parent, int leftTwips, int topTwips, int widthTwips, int heightTwips)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(Twips::rect(leftTwips, topTwips, widthTwips, heightTwips));
}

void ImageBox::setPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void ImageBox::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}
