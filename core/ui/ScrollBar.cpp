#include "ScrollBar.h"

#include "Twips.h"

#include <algorithm>

ScrollBar::ScrollBar(Qt::Orientation orientation, QWidget *parent, int leftTwips, int topTwips,
                     int widthTwips, int heightTwips)
    : QScrollBar(orientation, parent)
{
    setGeometry(Twips::rect(leftTwips, topTwips, widthTwips, heightTwips));
    // A dragged thumb reports once, on release.
    setTracking(false);
    connect(this, &QAbstractSlider::valueChanged, this, &ScrollBar::Change);
}

void ScrollBar::setMin(int v)
{
    setMinimum(v);
}

void ScrollBar::setMax(int v)
{
    setMaximum(std::max(v, minimum()));
}
