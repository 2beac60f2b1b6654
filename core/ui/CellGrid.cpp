#include "CellGrid.h"

#include "MouseButtons.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>

CellGrid::CellGrid(QWidget *parent)
    : QWidget(parent)
{
    // Transparent between and around the cells: nothing but the pictures is painted.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setGeometry(QRect());
}

int CellGrid::addCell(int leftTwips, int topTwips, int widthTwips, int heightTwips)
{
    CellData cell;
    cell.rect = Twips::rect(leftTwips, topTwips, widthTwips, heightTwips);
    m_cells.append(cell);
    updateBounds();
    maskChanged();
    return int(m_cells.size()) - 1;
}

void CellGrid::updateBounds()
{
    const QRect r = m_cells.last().rect;
    const QRect bounds = m_cells.size() == 1 ? r : m_bounds.united(r);
    if (bounds != m_bounds) {
        m_bounds = bounds;
        setGeometry(m_bounds);
    }
}

void CellGrid::setPicture(int index, const QImage &picture)
{
    if (index < 0 || index >= m_cells.size())
        return;
    CellData &cell = m_cells[index];
    // Drawing assigns the same store pictures over and over; an unchanged one costs nothing.
    if (cell.picture.cacheKey() == picture.cacheKey())
        return;
    cell.picture = picture;
    if (cell.visible)
        update(local(cell.rect));
}

const QImage &CellGrid::picture(int index) const
{
    static const QImage none;
    if (index < 0 || index >= m_cells.size())
        return none;
    return m_cells[index].picture;
}

void CellGrid::setCellVisible(int index, bool visible)
{
    if (index < 0 || index >= m_cells.size())
        return;
    CellData &cell = m_cells[index];
    if (cell.visible == visible)
        return;
    cell.visible = visible;
    maskChanged();
    update(local(cell.rect));
}

bool CellGrid::cellVisible(int index) const
{
    return index >= 0 && index < m_cells.size() && m_cells[index].visible;
}

QRect CellGrid::cellRect(int index) const
{
    if (index < 0 || index >= m_cells.size())
        return QRect();
    return m_cells[index].rect;
}

int CellGrid::cellAt(const QPoint &parentPoint) const
{
    for (int i = int(m_cells.size()) - 1; i >= 0; --i) {
        const CellData &cell = m_cells[i];
        if (cell.visible && cell.rect.contains(parentPoint))
            return i;
    }
    return -1;
}

void CellGrid::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    const QPoint origin = pos();
    for (const CellData &cell : m_cells) {
        if (!cell.visible || cell.picture.isNull())
            continue;
        const QRect r = cell.rect.translated(-origin);
        if (!r.intersects(dirty))
            continue;
        painter.drawImage(r.topLeft(), cell.picture);
    }
}

void CellGrid::mousePressEvent(QMouseEvent *event)
{
    const QPoint parentPoint = mapToParent(event->position().toPoint());
    const int index = cellAt(parentPoint);
    if (index < 0) {
        event->ignore();
        return;
    }
    const QPoint inCell = parentPoint - m_cells[index].rect.topLeft();
    event->accept();
    emit MouseDown(index, MouseButtons::button(event->button()), MouseButtons::shift(event->modifiers()),
                   Twips::fromPixels(inCell.x()), Twips::fromPixels(inCell.y()));
}

// The grid's rectangle may cover other controls (the map view under a layer of
// symbols); a mask of the visible cells lets presses between cells reach them.
// It is rebuilt once per turn of the event loop, not once per changed cell.
void CellGrid::maskChanged()
{
    if (m_maskPending)
        return;
    m_maskPending = true;
    QMetaObject::invokeMethod(this, &CellGrid::applyMask, Qt::QueuedConnection);
}

void CellGrid::applyMask()
{
    m_maskPending = false;
    QRegion region;
    const QPoint origin = pos();
    for (const CellData &cell : m_cells) {
        if (cell.visible)
            region += cell.rect.translated(-origin);
    }
    // An empty mask would mean no mask at all, so a grid with no visible cell lets
    // every press through instead.
    setAttribute(Qt::WA_TransparentForMouseEvents, region.isEmpty());
    if (region.isEmpty() || region == QRegion(rect()))
        clearMask();
    else
        setMask(region);
}
