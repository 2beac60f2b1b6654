#pragma once

#include <QImage>
#include <QRect>
#include <QVector>
#include <QWidget>

// A control array of image cells (the map view's MapTile, the palette's SideBlock,
// BorderBlock, the block editor's cells). The grid paints its cells itself; each
// cell stands at its own position, shows a picture or is hidden, and reports a
// press with its Index and the button (1 left, 2 right, 4 middle). Later cells lie
// on top of earlier ones; only visible cells receive presses.
class CellGrid : public QWidget
{
    Q_OBJECT
public:
    explicit CellGrid(QWidget *parent);

    // Adds a cell at a position of the parent's client area (twips); returns its Index.
    int addCell(int leftTwips, int topTwips, int widthTwips, int heightTwips);
    int count() const { return int(m_cells.size()); }

    void setPicture(int index, const QImage &picture);
    const QImage &picture(int index) const;
    void setCellVisible(int index, bool visible);
    bool cellVisible(int index) const;
    // The cell's rectangle in the parent's pixels.
    QRect cellRect(int index) const;
    // The topmost visible cell under a point of the parent, or -1.
    int cellAt(const QPoint &parentPoint) const;

signals:
    void MouseDown(int Index, int Button, int Shift, int X, int Y);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    struct CellData
    {
        QRect rect; // in the parent's pixels
        QImage picture;
        bool visible = true;
    };
    void updateBounds();
    // The area of the parent a cell covers, in this widget's coordinates.
    QRect local(const QRect &parentRect) const { return parentRect.translated(-pos()); }
    void maskChanged();
    void applyMask();

    QVector<CellData> m_cells;
    QRect m_bounds; // union of every cell, in the parent's pixels
    bool m_maskPending = false;
};
