#pragma once

#include <QColor>
#include <QWidget>

// A rectangular frame drawn over the other controls; it takes no mouse presses.
// Position and size in twips of the parent's client area.
class ShapeControl : public QWidget
{
    Q_OBJECT
public:
    ShapeControl(QWidget *parent, int left, int top, int width, int height,
                 QColor color = Qt::black, int penPixels = 1);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void setLeft(int twips);
    void setTop(int twips);
    void setWidthTwips(int twips);
    void setHeightTwips(int twips);
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    int m_left, m_top, m_width, m_height;
    QColor m_color;
    int m_pen;
};
