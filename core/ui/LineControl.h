#pragma once

#include <QColor>
#include <QWidget>

// A line drawn over the other controls; it takes no mouse presses, so a press
// reaches the cells under it. Ends in twips of the parent's client area.
class LineControl : public QWidget
{
    Q_OBJECT
public:
    LineControl(QWidget *parent, int x1, int y1, int x2, int y2, QColor color = Qt::black);

    int X1() const { return m_x1; }
    int Y1() const { return m_y1; }
    int X2() const { return m_x2; }
    int Y2() const { return m_y2; }
    void setX1(int twips);
    void setY1(int twips);
    void setX2(int twips);
    void setY2(int twips);
    void setColor(const QColor &color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void place();
    int m_x1, m_y1, m_x2, m_y2;
    QColor m_color;
};
