// The map chooser: categories, maps, the comment and the load button "Go".
#include "MainForm.h"

#include "core/Defines.h"
#include "core/ui/CellGrid.h"
#include "core/ui/Dialogs.h"
#include "core/ui/ListBox.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/ShapeControl.h"
#include "core/ui/Twips.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

void MainForm::CreateChooser()
{
    Frame2 = new QGroupBox(QStringLiteral("Select Map"), client());
    Frame2->setGeometry(Twips::rect(120, 6240, 6495, 1455));

    CatList = new ListBox(Frame2);
    CatList->setGeometry(Twips::rect(120, 240, 2055, 1035));
    connect(CatList, &ListBox::MouseDown, this, &MainForm::CatList_MouseDown);

    Command2 = new QPushButton(QStringLiteral("Go"), Frame2);
    Command2->setGeometry(Twips::rect(4440, 960, 615, 375));
    connect(Command2, &QPushButton::clicked, this, &MainForm::Command2_Click);

    MapList = new ListBox(Frame2);
    MapList->setGeometry(Twips::rect(2280, 240, 2055, 1035));
    connect(MapList, &ListBox::MouseDown, this, &MainForm::MapList_MouseDown);

    MapComment = new QLabel(QStringLiteral("This map works perfectly."), Frame2);
    MapComment->setGeometry(Twips::rect(4440, 240, 1935, 735));
    MapComment->setWordWrap(true);
    MapComment->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Comments and names come from the data file and are shown as written, never as markup.
    MapComment->setTextFormat(Qt::PlainText);

    CurMapName = new QLabel(QStringLiteral("Pallet Town"), Frame2);
    CurMapName->setGeometry(Twips::rect(5160, 960, 1215, 495));
    CurMapName->setWordWrap(true);
    CurMapName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    CurMapName->setTextFormat(Qt::PlainText);

    // Tab order: the palette scroll bar first, then the chooser.
    QWidget::setTabOrder(Scroll, Frame2);
    QWidget::setTabOrder(Frame2, CatList);
    QWidget::setTabOrder(CatList, Command2);
    QWidget::setTabOrder(Command2, MapList);
}

void MainForm::FillMapList()
{
    MapList->clear();
    const int first = int(Defines::CategoryTable[Defines::CurCategory][2].num());
    const int count = int(Defines::CategoryTable[Defines::CurCategory][3].num());
    for (int m = first; m <= first + count - 1; ++m)
        if (m >= 0 && m <= 255)
            MapList->addItem(QString::fromStdString(Defines::MapTable[m][1].str()));
    // A category without maps leaves the list without a selection; "Go" then does nothing.
    MapList->setListIndex(MapList->count() > 0 ? 0 : -1);
}

void MainForm::CatList_MouseDown(int, int, int, int)
{
    const int index = CatList->ListIndex();
    if (index < 0)
        return;
    Defines::CurCategory = std::int16_t(index);
    const int first = int(Defines::CategoryTable[index][2].num());
    if (first >= 0 && first <= 255)
        MapComment->setText(QString::fromStdString(Defines::MapTable[first][9].str()));
    FillMapList();
}

void MainForm::MapList_MouseDown(int, int, int, int)
{
    const int index = MapList->ListIndex();
    if (index < 0)
        return;
    const int m = int(Defines::CategoryTable[Defines::CurCategory][2].num()) + index;
    if (m >= 0 && m <= 255)
        MapComment->setText(QString::fromStdString(Defines::MapTable[m][9].str()));
}

void MainForm::Command2_Click()
{
    const int index = MapList->ListIndex();
    if (index < 0)
        return;
    const bool wasChanged = Changed;
    if (Changed) {
        if (!Dialogs::AskDiscard())
            return;
        Changed = false;
    }
    const std::int16_t previousMap = Defines::CurMap;
    Defines::CurMap = std::int16_t(Defines::CategoryTable[Defines::CurCategory][2].num() + index);
    if (!LoadMap()) {
        // The previous map is still loaded, with its edits: it stays current and marked.
        Defines::CurMap = previousMap;
        Changed = wasChanged;
        return;
    }
    Scroll->setMax(Defines::LastBlock - 5);
    DrawPalette();
    EnableMapCommands(true);
    CurMapName->setText(QString::fromStdString(Defines::MapTable[Defines::CurMap][1].str()));

    const auto &row = Defines::MapTable[Defines::CurMap];
    const bool noBorder = row[3].equalsNumber(1);
    Label1->setVisible(!noBorder);
    Shape1->setVisible(!noBorder);
    BorderBlock->setVisible(!noBorder);
    mnuWarpEdit->setEnabled(!noBorder);
    if (row[12].isFalse())
        mnuWarpEdit->setEnabled(false);
    mnuWildEdit->setEnabled(!row[16].equalsNumber(1));
    mnuEventEdit->setEnabled(!row[17].isFalse());

    Undo.Clear();
    mnuUndo->setEnabled(false);
}
