#include "WildEditForm.h"

#include "app/Forms.h"
#include "core/Defines.h"
#include "core/ui/Dialogs.h"
#include "core/ui/FontFit.h"
#include "core/ui/Twips.h"
#include "mainwindow/MainForm.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <exception>

WildEditForm::WildEditForm()
    : Form(QStringLiteral("WildEdit"))
{
    setCaption(QStringLiteral("Wild Pokémon Editor"));
    setStyle(Style::Fixed);
    setClientSize(6375, 3135);
}

void WildEditForm::CreateControls()
{
    Frame1 = new QGroupBox(QStringLiteral("Select Pokémon"), client());
    Frame1->setGeometry(Twips::rect(120, 120, 3015, 2895));
    for (int i = 0; i < WildSlots::SlotCount; ++i) {
        const int top = 360 + 240 * i;
        PokeNum[i] = new QRadioButton(Frame1);
        PokeNum[i]->setGeometry(Twips::rect(120, top, 255, 255));
        // A click on the slot already chosen shows it again too (its level box is
        // rewritten from the stored level); the arrow keys click the next button.
        connect(PokeNum[i], &QRadioButton::clicked, this, [this, i] { PokeNum_Click(i); });
        PokeName[i] = new QLabel(Frame1);
        PokeName[i]->setGeometry(Twips::rect(480, top, 1695, 255));
        PokeLevel[i] = new QLabel(Frame1);
        PokeLevel[i]->setGeometry(Twips::rect(2040, top, 855, 255));
    }
    // Created with slot 0 chosen; the load step makes it current itself.
    {
        const QSignalBlocker quiet(PokeNum[0]);
        PokeNum[0]->setChecked(true);
    }

    Frame2 = new QGroupBox(QStringLiteral("Change Pokémon"), client());
    Frame2->setGeometry(Twips::rect(3240, 480, 3015, 1815));
    Label1 = new QLabel(QStringLiteral("Select Pokémon:"), Frame2);
    Label1->setGeometry(Twips::rect(120, 360, 1815, 255));
    SelPoke = new QComboBox(Frame2);
    SelPoke->setEditable(false);
    SelPoke->setGeometry(Twips::rect(120, 600, 2775, 315));
    // Only the user's choice of an entry changes a slot's species (see SelPoke_Click).
    connect(SelPoke, &QComboBox::activated, this, &WildEditForm::SelPoke_Click);
    PokeHex = new QLabel(Frame2);
    PokeHex->setGeometry(Twips::rect(120, 960, 2775, 255));
    Label3 = new QLabel(QStringLiteral("Enter Level (0 to 255):"), Frame2);
    Label3->setGeometry(Twips::rect(120, 1320, 1815, 255));
    // Our font is wider than the one this layout was drawn with: the caption must end
    // before the level box, which lies over the label's right end.
    const int room = Twips::toPixels(1800 - 120) - 3;
    Label3->setFont(FontFit::ForLines(Label3->font(), {Label3->text()}, room));
    SelLevel = new QLineEdit(Frame2);
    SelLevel->setGeometry(Twips::rect(1800, 1320, 1095, 285));
    connect(SelLevel, &QLineEdit::textChanged, this, &WildEditForm::SelLevel_Change);

    Command1 = new QPushButton(QStringLiteral("Save"), client());
    Command1->setGeometry(Twips::rect(4920, 2520, 1335, 495));
    connect(Command1, &QPushButton::clicked, this, &WildEditForm::Command1_Click);

    // Focus order: the slot buttons, the drop-down list, Save, the level box.
    QWidget::setTabOrder(PokeNum[WildSlots::SlotCount - 1], SelPoke);
    QWidget::setTabOrder(SelPoke, Command1);
    QWidget::setTabOrder(Command1, SelLevel);
}

void WildEditForm::ControlsDestroyed()
{
    Frame1 = Frame2 = nullptr;
    for (int i = 0; i < WildSlots::SlotCount; ++i) {
        PokeNum[i] = nullptr;
        PokeName[i] = PokeLevel[i] = nullptr;
    }
    Label1 = Label3 = PokeHex = nullptr;
    SelPoke = nullptr;
    SelLevel = nullptr;
    Command1 = nullptr;
}

void WildEditForm::Form_Load()
{
    // Everything is read before the window shows anything; a failure hands back to the
    // main window with the reason, and the window does not open.
    try {
        const std::int64_t P = WildSlots::SlotPosition(Defines::CurMap);
        const WildSlots::Table fromRom = WildSlots::Read(Defines::RomPath, P);
        Species.Read("Pokemon.tvr");
        WildData = fromRom;
    } catch (const std::exception &e) {
        Dialogs::Error(QString::fromUtf8(e.what()));
        Destroy();
        Forms::Main().setVisible(true);
        return;
    }

    for (int i = 0; i < WildSlots::SlotCount; ++i) {
        PokeName[i]->setText(QString::fromStdString(Species.NameOf(WildData[i][2])));
        PokeLevel[i]->setText(QStringLiteral("Level ") + QString::number(WildData[i][1]));
    }
    {
        // Filling the list selects nothing; the slot's own entry is chosen below.
        const QSignalBlocker quiet(SelPoke);
        for (int k = 1; k <= Species.Count; ++k)
            SelPoke->addItem(QString::fromStdString(Species.PokeList[k][2].str()));
        SelPoke->setCurrentIndex(-1);
    }
    CurSlot = 0;
    SelPoke->setCurrentIndex(Species.EntryOf(WildData[0][2]));
    SetLevelText(QString::number(WildData[0][1]));
    ShowSlotHex();
}

// Asked at every close: the editor keeps no record of unsaved changes.
void WildEditForm::Form_Unload(int &Cancel)
{
    if (!Dialogs::AskDiscard()) {
        Cancel = 1;
        return;
    }
    Forms::Main().setVisible(true);
}
