// The warp editor window: its controls, opening and closing, loading and the two modes.
#include "WarpEditForm.h"

#include "app/Forms.h"
#include "core/Defines.h"
#include "core/MapData.h"
#include "core/ui/CellGrid.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FontFit.h"
#include "core/ui/ImageControl.h"
#include "core/ui/ScrollBar.h"
#include "core/ui/Twips.h"
#include "mainwindow/MainForm.h"
#include "pictures/MapViewCells.h"
#include "pictures/WarpSymbols.h"

#include <QAction>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cstring>

namespace {


QLabel *MakeLabel(QWidget *parent, const QString &caption, int left, int top, int width, int height)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(Twips::rect(left, top, width, height));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

WarpEditForm::WarpEditForm()
    : Form(QStringLiteral("WarpEdit"))
{
    setCaption(QStringLiteral("Warp Editor"));
    setStyle(Style::Fixed);
    setHasMinimizeButton(true);
    setClientSize(8175, 7815);
}

void WarpEditForm::CreateControls()
{
    CreateMapView();
    CreateOptions();
    CreateEditFrame();

    Command1 = new QPushButton(QStringLiteral("Save"), client());
    Command1->setGeometry(Twips::rect(6720, 7200, 1335, 495));
    connect(Command1, &QPushButton::clicked, this, &WarpEditForm::Command1_Click);
}

void WarpEditForm::CreateOptions()
{
    Frame1 = new QGroupBox(QStringLiteral("Options"), client());
    Frame1->setGeometry(Twips::rect(120, 6240, 2295, 1455));

    EditWarps = new QRadioButton(QStringLiteral("Edit Warps"), Frame1);
    EditWarps->setGeometry(Twips::rect(120, 360, 2055, 255));
    EditWarps->setChecked(true);
    EditWarpTo = new QRadioButton(QStringLiteral("Edit Warp-To Points"), Frame1);
    EditWarpTo->setGeometry(Twips::rect(120, 600, 2055, 255));
    // Choosing the mode already selected reports nothing, so it reloads nothing.
    connect(EditWarps, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            EditWarps_Click();
    });
    connect(EditWarpTo, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            EditWarpTo_Click();
    });

    CheckGrid = new QCheckBox(QStringLiteral("Display Gridlines"), Frame1);
    CheckGrid->setGeometry(Twips::rect(120, 1080, 2055, 255));
    CheckGrid->setChecked(true);
    connect(CheckGrid, &QCheckBox::toggled, this, &WarpEditForm::CheckGrid_Click);
}

void WarpEditForm::CreateEditFrame()
{
    Frame2 = new QGroupBox(QStringLiteral("Edit Warp"), client());
    Frame2->setGeometry(Twips::rect(2520, 6240, 4095, 1455));

    DWarpNum = MakeLabel(Frame2, QStringLiteral("Warp Number: 0"), 120, 360, 1815, 255);
    Label1 = MakeLabel(Frame2, QStringLiteral("Warp-To Map:"), 120, 720, 1095, 255);
    ToMap = new QLineEdit(Frame2);
    ToMap->setGeometry(Twips::rect(1320, 720, 495, 285));
    connect(ToMap, &QLineEdit::textChanged, this, &WarpEditForm::ToMap_Change);
    Label2 = MakeLabel(Frame2, QStringLiteral("Warp-To Point:"), 120, 1080, 1335, 255);
    ToPoint = new QLineEdit(Frame2);
    ToPoint->setGeometry(Twips::rect(1320, 1080, 495, 285));
    connect(ToPoint, &QLineEdit::textChanged, this, &WarpEditForm::ToPoint_Change);
    Label3 = MakeLabel(Frame2, QStringLiteral("Better support for changing these is coming very soon!"), 1920, 840,
                       2055, 495);
    Label3->setWordWrap(true);
    // Our font is wider than the one this layout was drawn with: the note must fit whole.
    Label3->setFont(FontFit::ForBox(Label3->font(), Label3->text(), Label3->width(), Label3->height()));

    Label4 = MakeLabel(Frame2, QStringLiteral("Event Placement: 0"), 1920, 360, 1575, 255);
    Label4->setAlignment(Qt::AlignRight | Qt::AlignTop);
    // Right-aligned between the number label and Label6, its widest text must fit its width.
    Label4->setFont(FontFit::ForLines(Label4->font(), {QStringLiteral("Event Placement: 888")}, Label4->width()));
    Label4->hide();
    Label6 = MakeLabel(Frame2, QStringLiteral("0"), 3600, 360, 375, 255);
    Label6->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label6->hide();
}

void WarpEditForm::ControlsDestroyed()
{
    MapTile = nullptr;
    Shape2 = nullptr;
    for (auto &l : Line)
        l = nullptr;
    HScroll = VScroll = nullptr;
    for (auto &s : WarpSym)
        s = nullptr;
    Frame1 = Frame2 = nullptr;
    EditWarps = EditWarpTo = nullptr;
    CheckGrid = nullptr;
    DWarpNum = Label1 = Label2 = Label3 = Label4 = Label6 = nullptr;
    ToMap = ToPoint = nullptr;
    Command1 = nullptr;
}

WarpRecords::Mode WarpEditForm::CurrentMode() const
{
    return EditWarpTo && EditWarpTo->isChecked() ? WarpRecords::Mode::WarpTo : WarpRecords::Mode::Warps;
}

void WarpEditForm::Form_Load()
{
    // Every opening starts afresh: no records, no selection, no unsaved moves.
    WarpCount = 0;
    std::memset(WarpData, 0, sizeof WarpData);
    RomRecordCount = 0;
    Changed = false;

    const QAction *gridlines = Forms::Main().mnuGridlines;
    CheckGrid->setChecked(!gridlines || gridlines->isChecked());
    SelWarp = 0;
    if (!WarpRecords::HasWarpToTable(Defines::CurMap))
        EditWarpTo->setEnabled(false);
    LoadMap(); // on a failure the window has handed back to the main window
}

void WarpEditForm::Form_Unload(int &Cancel)
{
    if (Changed && !Dialogs::AskDiscard()) {
        Cancel = 1;
        return;
    }
    Forms::Main().setVisible(true);
}

void WarpEditForm::Form_Activate()
{
    DrawMap();
}

void WarpEditForm::HandBack(const QString &message)
{
    Dialogs::Error(message);
    // Nothing of this opening can be shown; what was moved is dropped like at a mode switch.
    Changed = false;
    Unload();
}

// Reads the map and the records of the current mode from the ROM and resets the view.
// Returns false when they cannot be read; the window has then handed back.
bool WarpEditForm::LoadMap()
{
    const WarpRecords::Mode mode = CurrentMode();
    MapData::Loaded map;
    WarpRecords::MapRow row;
    WarpRecords::Loaded records;
    try {
        row = WarpRecords::ReadMapRow(Defines::CurMap, mode);
        map = MapData::LoadMap(Defines::CurMap);
        records = WarpRecords::ReadRecords(Defines::RomPath, row, mode);
    } catch (const MapDataError &e) {
        HandBack(QString::fromStdString(e.what()));
        return false;
    } catch (const WarpDataError &e) {
        HandBack(QString::fromStdString(e.what()));
        return false;
    }
    MapBlockPos = map.MapBlockPos;
    TableRow = row;
    RomRecordCount = records.RomCount;
    WarpCount = std::int16_t(records.Count);
    for (int r = 0; r <= WarpRecords::Capacity; ++r)
        for (int k = 0; k < 5; ++k)
            WarpData[r][k] = records.Data[size_t(r)][size_t(k)];

    const int w = Defines::MapWidth, h = Defines::MapHeight;
    MapViewCells::ResetToMap(MapTile, HScroll, VScroll);
    ScrollX = 1;
    ScrollY = 1;

    SquareViewFrame f = CurrentFrame();
    if (CheckGrid->isChecked()) {
        f.ShowLines(1, 12);
        f.Fit(w, h);
    } else {
        f.FitFrameOnly(w, h);
    }
    ApplyFrame(f);
    DrawMap();
    ShowFirstRecord();
    return true;
}

// Record 0's fields, or empty fields when the mode has no record.
void WarpEditForm::ShowFirstRecord()
{
    const bool warpTo = CurrentMode() == WarpRecords::Mode::WarpTo;
    if (WarpCount <= 0) {
        DWarpNum->setText(warpTo ? QStringLiteral("Warp-To Number: none") : QStringLiteral("Warp Number: none"));
        if (warpTo) {
            Label4->setText(QStringLiteral("Event Placement: "));
            Label6->clear();
        } else {
            ToMap->clear();
            ToPoint->clear();
        }
        ToMap->setEnabled(false);
        ToPoint->setEnabled(false);
        return;
    }
    ToMap->setEnabled(true);
    ToPoint->setEnabled(true);
    if (warpTo) {
        Label4->setText(QStringLiteral("Event Placement: ") + QString::number(WarpData[0][1]));
        Label6->setText(QString::number(WarpData[0][2]));
    } else {
        ToMap->setText(QString::number(WarpData[0][4]));
        ToPoint->setText(QString::number(WarpData[0][3]));
    }
}

void WarpEditForm::EditWarps_Click()
{
    SwitchMode(WarpRecords::Mode::Warps);
}

void WarpEditForm::EditWarpTo_Click()
{
    SwitchMode(WarpRecords::Mode::WarpTo);
}

// Reads the records of the mode from the ROM again (unsaved moves are dropped) and
// shows them from the map's upper left corner with record 0 selected.
void WarpEditForm::SwitchMode(WarpRecords::Mode mode)
{
    const bool warpTo = mode == WarpRecords::Mode::WarpTo;
    SelWarp = 0;
    for (ImageControl *sym : WarpSym)
        sym->setPicture(warpTo ? WarpSymbols::WarpToNon() : WarpSymbols::WarpNon());
    WarpSym[0]->setPicture(warpTo ? WarpSymbols::WarpToSel() : WarpSymbols::WarpSel());
    DWarpNum->setText(warpTo ? QStringLiteral("Warp-To Number: 0") : QStringLiteral("Warp Number: 0"));
    for (QWidget *c : {static_cast<QWidget *>(Label1), static_cast<QWidget *>(Label2), static_cast<QWidget *>(Label3),
                       static_cast<QWidget *>(ToMap), static_cast<QWidget *>(ToPoint)})
        c->setVisible(!warpTo);
    Label4->setVisible(warpTo);
    Label6->setVisible(warpTo);
    if (!LoadMap())
        return;
    VScroll_Change();
    HScroll_Change();
}

// Typing stores nothing and marks nothing: Save takes the text.
void WarpEditForm::ToMap_Change() {}
void WarpEditForm::ToPoint_Change() {}
