#include "SplashForm.h"

#include "Forms.h"
#include "VersionSelectForm.h"
#include "core/Defines.h"
#include "core/RomFile.h"
#include "core/ui/Dialogs.h"
#include "core/ui/Program.h"
#include "core/ui/Twips.h"
#include "mainwindow/MainForm.h"
#include "pictures/Logo.h"
#include "pictures/TileStore.h"

#include <QLabel>
#include <QTimer>

SplashForm::SplashForm()
    : Form(QStringLiteral("Splash"))
{
    setStyle(Style::Borderless);
    setClientSize(5655, 3495);
}

void SplashForm::CreateControls()
{
    QWidget *w = client();
    auto *logo = new QLabel(w);
    logo->setGeometry(0, 0, 377, 233);
    logo->setPixmap(Logo::Picture(377, 233));

    Label1 = new QLabel(QStringLiteral("Version 1.2"), w);
    Label1->setGeometry(Twips::rect(120, 2970, 5415, 375));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setAttribute(Qt::WA_TranslucentBackground);
    QFont font(QStringLiteral("Haettenschweiler"));
    font.setPointSizeF(14.25);
    Label1->setFont(font);
    Label1->setStyleSheet(QStringLiteral("color: rgb(255, 51, 0); background: transparent;"));

    Timer1 = new QTimer(w);
    Timer1->setInterval(1);
    connect(Timer1, &QTimer::timeout, this, &SplashForm::Timer1_Timer);

    // A newly loaded dialog control starts with its stored title and no file name.
    Boxes = CommonDialog();
    Boxes.DialogTitle = QStringLiteral("Tovrane - Open ROM File");
}

void SplashForm::ControlsDestroyed()
{
    Label1 = nullptr;
    Timer1 = nullptr;
}

void SplashForm::Form_Load()
{
    Boxes.InitDir = QString::fromStdString(Defines::ProgramFolder);
    Boxes.ShowOpen();
    if (Boxes.FileName.isEmpty()) {
        Program::End();
        return;
    }
    const std::string chosen = Boxes.FileName.toStdString();
    // Nothing reads a file that cannot be a ROM: a pipe would block, a huge file exhaust memory.
    if (const auto problem = RomFiles::UnfitForRom(chosen)) {
        Dialogs::Error(QString::fromStdString(*problem));
        // With no ROM opened before there is nothing to go on with, as after a cancel.
        if (Forms::VersionSelect().TilesetFile.isEmpty()) {
            Program::End();
            return;
        }
        // File > Open: the previous ROM stays, and the main window loads it again with
        // the version chosen for it.
        if (Timer1)
            Timer1->start();
        return;
    }
    Defines::RomPath = chosen;
    Forms::VersionSelect().setVisible(true);
}

void SplashForm::Timer1_Timer()
{
    // Stopped first: a message box shown while the main window loads runs the event
    // loop, and the tick must run once for each OK.
    if (Timer1)
        Timer1->stop();
    MainForm &main = Forms::Main();
    main.Load();
    if (Program::Ended())
        return;
    TileStore::instance().Load();
    main.setVisible(true);
    setVisible(false);
}
