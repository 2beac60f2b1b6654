#include "ListBox.h"

#include "MouseButtons.h"
#include "Twips.h"

#include <QMouseEvent>

ListBox::ListBox(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

int ListBox::ListIndex() const
{
    const int row = currentRow();
    if (row >= 0 && item(row)->isSelected())
        return row;
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : this->row(selected.first());
}

void ListBox::setListIndex(int index)
{
    if (index < 0 || index >= count()) {
        clearSelection();
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(index);
}

// A list without a chosen entry shows none: Qt would make the first entry current when
// the list gets the focus, and draw it as if it were chosen.
void ListBox::focusInEvent(QFocusEvent *event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListWidget::focusInEvent(event);
    if (!hadCurrent && selectedItems().isEmpty())
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
}

// Any button selects the entry under the pointer, so a right-click handler reads
// that entry. Only the left button goes on to the list's own handling (drag
// selection); a press below the last entry leaves the selection as it was.
void ListBox::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    const QModelIndex index = indexAt(pos);
    if (index.isValid()) {
        setCurrentRow(index.row());
        if (event->button() == Qt::LeftButton && !(event->modifiers() & Qt::ControlModifier))
            QListWidget::mousePressEvent(event);
    }
    event->accept();
    emit MouseDown(MouseButtons::button(event->button()), MouseButtons::shift(event->modifiers()),
                   Twips::fromPixels(pos.x()), Twips::fromPixels(pos.y()));
}
