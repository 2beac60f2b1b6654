#pragma once

#include <QScrollBar>

// A scroll bar that reports Change once its value has changed, whether by the user
// (on release of a dragged thumb) or by code; a change from code runs the handler
// at once, before the setter returns. Narrowing the range below the value brings
// the value to the new maximum (and reports the change).
class ScrollBar : public QScrollBar
{
    Q_OBJECT
public:
    ScrollBar(Qt::Orientation orientation, QWidget *parent, int leftTwips, int topTwips,
              int widthTwips, int heightTwips);

    int Value() const { return value(); }
    void setValue(int v) { QScrollBar::setValue(v); }
    int Min() const { return minimum(); }
    int Max() const { return maximum(); }
    // A maximum below the minimum is taken as the minimum.
    void setMin(int v);
    void setMax(int v);

signals:
    void Change();
};
