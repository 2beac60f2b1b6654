#pragma once

#include <QImage>
#include <QWidget>

// An image control that can be moved and brought to the front on its own (the event
// symbols): it shows one picture at its position and reports a press of any button
// (1 left, 2 right, 4 middle). Position and size in twips of the parent's client area.
class EventSymControl : public QWidget
{
    Q_OBJECT
public:
    EventSymControl(QWidget *parent, int leftTwips, int topTwips, int widthTwips, int heightTwips);

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    void setLeft(int twips);
    void setTop(int twips);
    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);

signals:
    void MouseDown(int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void place();
    int m_left, m_top, m_width, m_height;
    QImage m_picture;
};
