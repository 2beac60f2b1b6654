#include "WildEditForm.h"

#include "core/forms/Forms.h"
#include "mainwindow/MainForm.h"

WildEditForm::WildEditForm()
    : Form(QStringLiteral("WildEdit"))
{
    setCaption(QStringLiteral("Wild Pokémon Editor"));
    setClientSize(8175, 7815);
}

void WildEditForm::CreateControls()
{
}

void WildEditForm::Form_Unload(int &)
{
    Forms::Main().setVisible(true);
}
