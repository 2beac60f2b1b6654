#pragma once

#include <QImage>
#include <QWidget>

// One image control that moves and stacks on its own (the editors' record symbols, the
// enlarged tile): it shows its picture and reports a press of any button with its Index
// (1 left, 2 right, 4 middle). Position and size in twips of the parent's client area.
class ImageControl : public QWidget
{
    Q_OBJECT
public:
    ImageControl(QWidget *parent, int leftTwips, int topTwips, int widthTwips, int heightTwips, int index = 0);

    int Index() const { return m_index; }
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    void setLeft(int twips) { setPosition(twips, m_top); }
    void setTop(int twips) { setPosition(m_left, twips); }
    void setPosition(int leftTwips, int topTwips);

    const QImage &Picture() const { return m_picture; }
    void setPicture(const QImage &picture);
    // The picture fills the control instead of standing at its top left at its own size.
    void setStretch(bool on);

signals:
    void MouseDown(int Index, int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    int m_index;
    int m_left, m_top, m_width, m_height;
    bool m_stretch = false;
    QImage m_picture;
};
