// Selecting a record, its property boxes, and saving the records of the type.
#include "EventEditForm.h"

#include "core/ui/ImageControl.h"
#include "core/Defines.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FontFit.h"
#include "core/ui/SaveSteps.h"
#include "pictures/EventSymbols.h"

#include <QLabel>
#include <QLineEdit>

namespace {

const QString SavedMessage = QStringLiteral("Your changes to the Events have been saved!");

} // namespace

// The selected record's symbol carries the selected picture, every other the unselected one.
void EventEditForm::ShowSelection()
{
    for (int k = 0; k < 32; ++k)
        EventSym[k]->setPicture(k == SelEvent ? EventSymbols::Selected() : EventSymbols::Unselected());
    DEventNum->setText(QStringLiteral("Event Number: %1").arg(SelEvent));
}

// Boxes of the properties the type has show the selected record's values; the others
// are hidden with their labels and keep their text. Without any record there is
// nothing to show or edit.
void EventEditForm::FillPropertyBoxes()
{
    // Items and trainers store the text number with the game's flag added: the caption
    // says so, so that a plain number is not typed over it. It is shorter than the plain
    // caption's words, which with the flag would not fit the label at any readable size.
    const int flag = EventTables::TextFlag(Type);
    const QString caption = flag ? QStringLiteral("Text Number (+%1):").arg(flag)
                                 : QStringLiteral("Text String Number:");
    if (Label1->text() != caption) {
        Label1->setText(caption);
        Label1->setFont(FontFit::ForLines(Label2->font(), {caption}, Label1->width()));
    }

    const bool hasRecord = SelEvent >= 0 && SelEvent < EventCount;
    for (int p = 0; p < EventTables::PropertyCount; ++p) {
        const int k = Type.PropertyByte[std::size_t(p)];
        QLineEdit *box = PropertyBox(p);
        PropertyLabel(p)->setVisible(k != 0);
        box->setVisible(k != 0);
        if (k == 0)
            continue;
        box->setEnabled(hasRecord);
        box->setText(hasRecord ? QString::number(EventData[SelEvent][k]) : QString());
    }
}

void EventEditForm::EventSym_MouseDown(int Index, int, int, int, int)
{
    if (Index < 0 || Index >= 32)
        return;
    if (SelEvent >= 0 && SelEvent < 32)
        EventSym[SelEvent]->setPicture(EventSymbols::Unselected());
    EventSym[Index]->setPicture(EventSymbols::Selected());
    EventSym[Index]->raise();
    SelEvent = std::int16_t(Index);
    DEventNum->setText(QStringLiteral("Event Number: %1").arg(Index));
    FillPropertyBoxes();
}

// A text that is a number goes into the selected record's byte; any other text is
// left in the box while the record keeps its value.
void EventEditForm::PropertyChanged(int property)
{
    const int k = Type.PropertyByte[std::size_t(property)];
    if (k == 0 || SelEvent < 0 || SelEvent >= EventCount)
        return;
    std::int32_t value = 0;
    if (EventRecords::TextToNumber(PropertyBox(property)->text().toStdString(), value))
        EventData[SelEvent][k] = value;
}

void EventEditForm::TextString_Change() { PropertyChanged(0); }
void EventEditForm::PictureNum_Change() { PropertyChanged(1); }
void EventEditForm::Move1_Change() { PropertyChanged(2); }
void EventEditForm::Move2_Change() { PropertyChanged(3); }
void EventEditForm::Item_Change() { PropertyChanged(4); }
void EventEditForm::PokeData_Change() { PropertyChanged(5); }
void EventEditForm::TrainerType_Change() { PropertyChanged(6); }

void EventEditForm::Command1_Click()
{
    // Every value and position is checked before anything is asked or written.
    const std::int64_t position = EventTables::TablePosition(Defines::CurMap, CurType);
    if (!SaveSteps::Save(EventRecords::FindValueWithoutByteForm(EventData, EventCount, Type, Offsets),
                         EventRecords::PlanWrite(position, EventData, EventCount, Type, Offsets)))
        return;
    Dialogs::Inform(SavedMessage);
    Changed = false;

    if (!LoadMap()) {
        HandBack();
        return;
    }
    VScroll_Change();
    HScroll_Change();
}
