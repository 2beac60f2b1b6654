#pragma once

#include <QImage>
#include <QWidget>

// One image of a control array (the symbols WarpSym) that can move and be brought to
// the front. It paints its picture and reports a press with its Index and the button
// (1 left, 2 right, 4 middle). Position and size in twips of the parent's client area.
class WarpSymControl : public QWidget
{
    Q_OBJECT
public:
    WarpSymControl(QWidget *parent, int index, int leftTwips, int topTwips, int widthTwips, int heightTwips);

    int Index() const { return m_index; }
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    void setPosition(int leftTwips, int topTwips);

    const QImage &picture() const { return m_picture; }
    void setPicture(const QImage &picture);

signals:
    void MouseDown(int Index, int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_index;
    int m_left, m_top, m_width, m_height;
    QImage m_picture;
};
