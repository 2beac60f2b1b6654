#pragma once

#include <QImage>
#include <QWidget>

// An image control whose picture is stretched to the control (the enlarged tile).
// It takes no mouse presses.
class ImageBox : public QWidget
{
    Q_OBJECT
public:
    ImageBox(QWidget *parent, int leftTwips, int topTwips, int widthTwips, int heightTwips);

    void setPicture(const QImage &picture);
    const QImage &picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
