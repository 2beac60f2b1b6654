#pragma once

#include <QListWidget>

// A list box whose press of any mouse button first selects the entry under the
// pointer and then reports MouseDown, so a press handler reads that entry.
class ListBox : public QListWidget
{
    Q_OBJECT
public:
    explicit ListBox(QWidget *parent);

    // The selected position, or -1.
    int ListIndex() const;
    void setListIndex(int index);

signals:
    void MouseDown(int Button, int Shift, int X, int Y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
};
