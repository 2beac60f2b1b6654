#pragma once

#include "core/ui/Form.h"
#include "wild/model/PokemonList.h"
#include "wild/model/WildSlots.h"

#include <cstdint>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The window WildEdit: the ten wild-encounter slots of the current map, each a species
// from the species list and a level, saved into the ROM as 20 bytes.
class WildEditForm : public Form
{
    Q_OBJECT
public:
    WildEditForm();

    // --- Variables of the window (kept while it is unloaded) ---
    WildSlots::Table WildData{}; // (slot, 1) level, (slot, 2) species value
    std::int16_t CurSlot = 0;    // the slot the change frame shows
    PokemonList Species;         // PokeTab and PokeList

    // --- Controls (null while the window is unloaded) ---
    QGroupBox *Frame1 = nullptr;
    QRadioButton *PokeNum[WildSlots::SlotCount] = {};
    QLabel *PokeName[WildSlots::SlotCount] = {};
    QLabel *PokeLevel[WildSlots::SlotCount] = {};
    QGroupBox *Frame2 = nullptr;
    QLabel *Label1 = nullptr;
    QComboBox *SelPoke = nullptr;
    QLabel *PokeHex = nullptr;
    QLabel *Label3 = nullptr;
    QLineEdit *SelLevel = nullptr;
    QPushButton *Command1 = nullptr;

    // --- Handlers ---
    void PokeNum_Click(int Index);
    void SelPoke_Click(int Index);
    void SelLevel_Change();
    void Command1_Click();

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
    void Form_Load() override;
    void Form_Unload(int &Cancel) override;

private:
    void ShowSlotHex();
    void SetLevelText(const QString &text);
};
