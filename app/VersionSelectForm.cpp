#include "VersionSelectForm.h"

#include "Forms.h"
#include "SplashForm.h"
#include "core/ui/FontFit.h"
#include "core/ui/ListBox.h"
#include "core/ui/Twips.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTimer>

VersionSelectForm::VersionSelectForm()
    : Form(QStringLiteral("VersionSelect"))
{
    setCaption(QStringLiteral("Tovrane"));
    setStyle(Style::FixedNoClose);
    setClientSize(3870, 2295);
}

void VersionSelectForm::CreateControls()
{
    QWidget *w = client();
    QIcon = new QLabel(w);
    QIcon->setGeometry(Twips::rect(120, 240, 480, 480));
    QIcon->setPixmap(QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));

    Label1 = new QLabel(QStringLiteral("What version of Pokémon is the ROM that you have opened?"), w);
    Label1->setGeometry(Twips::rect(720, 120, 3015, 495));
    Label1->setWordWrap(true);

    VersionList = new ListBox(w);
    VersionList->setGeometry(Twips::rect(720, 600, 3015, 645));
    VersionList->addItem(QStringLiteral("Pokémon Red (English)"));
    VersionList->addItem(QStringLiteral("Pokémon Blue (English)"));
    VersionList->setListIndex(-1);

    Label2 = new QLabel(QStringLiteral("Other versions may work to some extent, but have not been fully tested."), w);
    Label2->setGeometry(Twips::rect(720, 1320, 3015, 495));
    Label2->setWordWrap(true);
    Label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Our font is wider than the one this layout was drawn with: the note must fit its
    // two lines above the OK button.
    Label2->setFont(FontFit::ForBox(Label2->font(), Label2->text(), Label2->width(), Label2->height()));

    Command1 = new QPushButton(QStringLiteral("OK"), w);
    Command1->setGeometry(Twips::rect(1320, 1800, 1215, 375));
    connect(Command1, &QPushButton::clicked, this, &VersionSelectForm::Command1_Click);
}

void VersionSelectForm::ControlsDestroyed()
{
    QIcon = nullptr;
    Label1 = nullptr;
    VersionList = nullptr;
    Label2 = nullptr;
    Command1 = nullptr;
}

void VersionSelectForm::Command1_Click()
{
    const int entry = VersionList ? VersionList->ListIndex() : -1;
    // Without a chosen version there is no data file to read: the chooser stays up.
    if (entry == 0) {
        TilesetFile = QStringLiteral("TilesetsR.tvr");
        MapFile = QStringLiteral("MapsR.tvr");
        EventFile = QStringLiteral("EventsR.tvr");
    } else if (entry == 1) {
        TilesetFile = QStringLiteral("TilesetsB.tvr");
        MapFile = QStringLiteral("MapsB.tvr");
        EventFile = QStringLiteral("EventsB.tvr");
    } else {
        return;
    }
    setVisible(false);
    SplashForm &splash = Forms::Splash();
    splash.setVisible(true);
    if (splash.Timer1)
        splash.Timer1->start();
}
