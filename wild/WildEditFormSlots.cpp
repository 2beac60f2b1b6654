// Choosing a slot, its species and its level, and saving the ten slots.
#include "WildEditForm.h"

#include "core/Defines.h"
#include "core/ui/Dialogs.h"
#include "core/ui/SaveSteps.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

void WildEditForm::ShowSlotHex()
{
    // The slot's own value: for a species the list does not hold, the list has no copy of it.
    PokeHex->setText(QStringLiteral("Pokémon's Hex Value: ")
                     + QString::number(WildData[CurSlot][2], 16).toUpper());
}

// Setting the text runs the level entry at once, as typing does.
void WildEditForm::SetLevelText(const QString &text)
{
    SelLevel->setText(text);
}

void WildEditForm::PokeNum_Click(int Index)
{
    if (Index < 0 || Index >= WildSlots::SlotCount || !SelPoke)
        return;
    CurSlot = std::int16_t(Index);
    SelPoke->setCurrentIndex(Species.EntryOf(WildData[CurSlot][2]));
    SetLevelText(QString::number(WildData[CurSlot][1]));
    ShowSlotHex();
}

// The user chose an entry. Showing a slot sets the selection without coming here, so a
// slot whose species has no entry (or whose entry names another value) keeps its value.
void WildEditForm::SelPoke_Click(int Index)
{
    if (Index < 0 || !SelPoke)
        return;
    const int n = Index + 1;
    // An entry no record gave stores 0; list values lie in 0..255.
    WildData[CurSlot][2] = n <= 255 ? std::int16_t(Species.PokeList[n][1].num()) : 0;
    PokeName[CurSlot]->setText(QString::fromStdString(Species.NameOf(WildData[CurSlot][2])));
    ShowSlotHex();
}

// The box's text without surrounding spaces (only spaces count, as for the box's
// own conversion).
static QString WithoutSurroundingSpaces(QString t)
{
    while (t.startsWith(QLatin1Char(' ')))
        t.remove(0, 1);
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

void WildEditForm::SelLevel_Change()
{
    if (!SelLevel)
        return;
    auto levelInBox = [this] { return WildSlots::LevelFloor(WithoutSurroundingSpaces(SelLevel->text()).toStdString()); };

    auto level = levelInBox();
    if (!level) {
        // No number: the stored level comes back.
        SetLevelText(QString::number(WildData[CurSlot][1]));
        return;
    }
    // Each rewrite runs this again, nested; that run meets a level in 0..255 and stores it.
    if (*level < 0)
        SetLevelText(QStringLiteral("0"));
    level = levelInBox();
    if (level && *level > 255)
        SetLevelText(QStringLiteral("255"));
    const QString t = WithoutSurroundingSpaces(SelLevel->text());
    level = WildSlots::LevelFloor(t.toStdString());
    if (!level || *level < 0 || *level > 255)
        return;
    WildData[CurSlot][1] = std::int16_t(*level);
    SetLevelText(t);
    PokeLevel[CurSlot]->setText(QStringLiteral("Level ") + QString::number(WildData[CurSlot][1]));
}

void WildEditForm::Command1_Click()
{
    std::int64_t P = 0;
    try {
        P = WildSlots::SlotPosition(Defines::CurMap);
    } catch (const WildSlots::PositionError &e) {
        Dialogs::Error(QString::fromUtf8(e.what()));
        return;
    }
    // Every value and position is checked before the backup and the first write.
    if (!SaveSteps::Save(WildSlots::FindValueWithoutByteForm(WildData), WildSlots::PlanWrite(P, WildData)))
        return;
    Dialogs::Inform(QStringLiteral("Your changes to the wild Pokémon have been saved!"));
}
