#include "AboutForm.h"

#include "MainForm.h"
#include "app/Forms.h"
#include "core/ui/Twips.h"
#include "pictures/Logo.h"

#include <QLabel>
#include <QPushButton>

AboutForm::AboutForm()
    : Form(QStringLiteral("About"))
{
    setCaption(QStringLiteral("About Tovrane"));
    setStyle(Style::FixedNoClose);
    setClientSize(5280, 5055);
}

void AboutForm::CreateControls()
{
    QWidget *w = client();
    Image1 = new QLabel(w);
    Image1->setGeometry(Twips::rect(120, 120, 5040, 1995));
    Image1->setFrameShape(QFrame::Box);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(Logo::Picture(332, 129));

    auto centred = [w](const QString &text, int left, int top, int width, int height) {
        auto *label = new QLabel(text, w);
        label->setGeometry(Twips::rect(left, top, width, height));
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    };
    Label1 = centred(QStringLiteral("Tovrane Version 1.2"), 120, 2280, 4935, 255);
    Label2 = centred(QStringLiteral("Tovrane contributors"), 120, 2520, 4935, 255);
    Label3 = centred(QStringLiteral("Built with the Qt %1 toolkit (Qt Widgets).\n\n"
                                    "A map editor for Pokémon Red and Blue (English) ROM images.")
                         .arg(QString::fromLatin1(QT_VERSION_STR)),
                     120, 2880, 4935, 1575);

    Command1 = new QPushButton(QStringLiteral("^_^"), w);
    Command1->setGeometry(Twips::rect(2040, 4440, 1215, 495));
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    Command1->setFont(font);
    connect(Command1, &QPushButton::clicked, this, &AboutForm::Command1_Click);
}

void AboutForm::ControlsDestroyed()
{
    Image1 = Label1 = Label2 = Label3 = nullptr;
    Command1 = nullptr;
}

void AboutForm::Command1_Click()
{
    setVisible(false);
    Forms::Main().setVisible(true);
}
