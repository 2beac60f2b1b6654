#include "EventEditForm.h"

#include "app/Forms.h"
#include "app/VersionSelectForm.h"
#include "core/DataFileError.h"
#include "core/Defines.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FontFit.h"
#include "core/ui/ImageControl.h"
#include "core/ui/ListBox.h"
#include "core/ui/Twips.h"
#include "mainwindow/MainForm.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

const QString NoEventsMessage = QStringLiteral(
    "There are no events of that type on this map (or the addresses for them have not been found).");
const char *const EventTypeFile = "EventTypes.tvr";

// The gridline box is narrow and two lines high: its caption wraps onto the second line,
// and a press anywhere on it toggles it.
class WrappingCheckBox : public QCheckBox
{
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStylePainter p(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        const QString caption = option.text;
        option.text.clear();
        p.drawControl(QStyle::CE_CheckBox, option);
        const QRect room = style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
        style()->drawItemText(&p, room, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, palette(), isEnabled(),
                              caption, QPalette::WindowText);
    }
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace

EventEditForm::EventEditForm()
    : Form(QStringLiteral("EventEdit"))
{
    setCaption(QStringLiteral("Event Editor"));
    setStyle(Style::Fixed);
    setClientSize(8175, 7935);
}

void EventEditForm::CreateControls()
{
    QWidget *w = client();
    CreateMapView();

    Frame1 = new QGroupBox(QStringLiteral("Select Event Type"), w);
    Frame1->setGeometry(Twips::rect(120, 6240, 2295, 1575));
    SelType = new ListBox(Frame1);
    SelType->setGeometry(Twips::rect(120, 360, 2055, 840));
    Command2 = new QPushButton(QStringLiteral("Go"), Frame1);
    Command2->setGeometry(Twips::rect(1560, 1200, 615, 255));
    connect(Command2, &QPushButton::clicked, this, &EventEditForm::Command2_Click);

    CreateEditFrame();

    Frame3 = new QGroupBox(QStringLiteral("Options"), w);
    Frame3->setGeometry(Twips::rect(6720, 6240, 1335, 975));
    CheckGrid = new WrappingCheckBox(QStringLiteral("Display Gridlines"), Frame3);
    CheckGrid->setGeometry(Twips::rect(120, 360, 1095, 375));
    CheckGrid->setChecked(true);
    connect(CheckGrid, &QCheckBox::toggled, this, &EventEditForm::CheckGrid_Click);

    Command1 = new QPushButton(QStringLiteral("Save"), w);
    Command1->setGeometry(Twips::rect(6720, 7320, 1335, 495));
    connect(Command1, &QPushButton::clicked, this, &EventEditForm::Command1_Click);
}

void EventEditForm::CreateEditFrame()
{
    Frame2 = new QGroupBox(QStringLiteral("Edit Event"), client());
    Frame2->setGeometry(Twips::rect(2520, 6240, 4095, 1575));
    DEventNum = new QLabel(QStringLiteral("Event Number: 0"), Frame2);
    DEventNum->setGeometry(Twips::rect(120, 360, 1815, 255));

    auto label = [this](const QString &caption, int left, int top, int width) {
        auto *l = new QLabel(caption, Frame2);
        l->setGeometry(Twips::rect(left, top, width, 255));
        return l;
    };
    auto box = [this](int left, int top, void (EventEditForm::*handler)()) {
        auto *b = new QLineEdit(Frame2);
        b->setGeometry(Twips::rect(left, top, 495, 285));
        connect(b, &QLineEdit::textChanged, this, handler);
        return b;
    };
    Label1 = label(QStringLiteral("Text String Number:"), 120, 720, 1455);
    TextString = box(1680, 720, &EventEditForm::TextString_Change);
    Label2 = label(QStringLiteral("Picture Number:"), 120, 960, 1335);
    PictureNum = box(1680, 960, &EventEditForm::PictureNum_Change);
    Label7 = label(QStringLiteral("Trainer Type:"), 120, 1200, 1095);
    TrainerType = box(1680, 1200, &EventEditForm::TrainerType_Change);
    Label5 = label(QStringLiteral("Item:"), 2400, 480, 975);
    Item = box(3480, 480, &EventEditForm::Item_Change);
    Label3 = label(QStringLiteral("Movement 1:"), 2400, 720, 975);
    Move1 = box(3480, 720, &EventEditForm::Move1_Change);
    Label4 = label(QStringLiteral("Movement 2:"), 2400, 960, 975);
    Move2 = box(3480, 960, &EventEditForm::Move2_Change);
    Label6 = label(QStringLiteral("Pokémon Set:"), 2400, 1200, 1095);
    PokeData = box(3480, 1200, &EventEditForm::PokeData_Change);

    // Our font is wider than the one this layout was drawn with: the captions share the
    // largest size at which each fits its label.
    QLabel *const captions[] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    QFont font = Label1->font();
    for (const QLabel *l : captions)
        font = FontFit::ForLines(font, {l->text()}, l->width());
    for (QLabel *l : captions)
        l->setFont(font);
}

void EventEditForm::ControlsDestroyed()
{
    MapTile = nullptr;
    Shape2 = nullptr;
    for (auto &l : Line)
        l = nullptr;
    HScroll = VScroll = nullptr;
    for (auto &s : EventSym)
        s = nullptr;
    Frame1 = Frame2 = Frame3 = nullptr;
    SelType = nullptr;
    Command1 = Command2 = nullptr;
    DEventNum = Label1 = Label2 = Label3 = Label4 = Label5 = Label6 = Label7 = nullptr;
    TextString = PictureNum = Move1 = Move2 = Item = PokeData = TrainerType = nullptr;
    CheckGrid = nullptr;
}

QLineEdit *EventEditForm::PropertyBox(int property) const
{
    QLineEdit *const boxes[EventTables::PropertyCount] = {TextString, PictureNum, Move1, Move2,
                                                          Item,       PokeData,   TrainerType};
    return property >= 0 && property < EventTables::PropertyCount ? boxes[property] : nullptr;
}

QLabel *EventEditForm::PropertyLabel(int property) const
{
    QLabel *const labels[EventTables::PropertyCount] = {Label1, Label2, Label3, Label4, Label5, Label6, Label7};
    return property >= 0 && property < EventTables::PropertyCount ? labels[property] : nullptr;
}

void EventEditForm::Form_Load()
{
    // The gridline option starts as the main window's; afterwards each keeps its own.
    const MainForm &main = Forms::Main();
    CheckGrid->setChecked(!main.mnuGridlines || main.mnuGridlines->isChecked());

    SelEvent = 0;
    CurType = 0;
    try {
        EventTables::ReadEventTypes(EventTypeFile);
        EventTables::ReadMapEvents(Forms::VersionSelect().EventFile.toStdString());
    } catch (const DataFileError &e) {
        Dialogs::Error(QString::fromStdString(e.what()));
        HandBack();
        return;
    }
    for (int t = 0; t <= EventTables::EventTypeLast; ++t)
        SelType->addItem(QString::fromStdString(EventTables::EventTypes[t][EventTables::TypeName].str()));
    SelType->setListIndex(0);

    // Type 0 opens whether or not the map has records of it.
    if (const auto problem = EventTables::CountProblem(Defines::CurMap, 0)) {
        Dialogs::Error(QString::fromStdString(*problem));
        HandBack();
        return;
    }
    // The records come fresh from the ROM: nothing is unsaved.
    Changed = false;
    if (!LoadMap())
        HandBack();
}

void EventEditForm::Form_Activate()
{
    DrawMap();
}

void EventEditForm::Form_Unload(int &Cancel)
{
    if (Changed) {
        if (!Dialogs::AskDiscard()) {
            Cancel = 1;
            return;
        }
        // The moves are dropped with the window; the next opening reads the ROM again.
        Changed = false;
    }
    Forms::Main().setVisible(true);
}

void EventEditForm::HandBack()
{
    Changed = false;
    Destroy();
    Forms::Main().setVisible(true);
}

void EventEditForm::Command2_Click()
{
    const int t = SelType->ListIndex();
    if (t < 0 || t > EventTables::EventTypeLast)
        return;
    if (EventTables::RecordCount(Defines::CurMap, t) == 0) {
        QApplication::beep();
        Dialogs::Inform(NoEventsMessage);
        SelType->setListIndex(CurType);
        return;
    }
    if (const auto problem = EventTables::CountProblem(Defines::CurMap, t)) {
        Dialogs::Error(QString::fromStdString(*problem));
        SelType->setListIndex(CurType);
        return;
    }
    CurType = std::int16_t(t);
    if (!LoadMap()) {
        HandBack();
        return;
    }
    // The reload has dropped every unsaved move.
    Changed = false;
    VScroll_Change();
    HScroll_Change();
}
