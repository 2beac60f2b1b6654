#include "WarpEditForm.h"

#include "core/forms/Forms.h"
#include "mainwindow/MainForm.h"

WarpEditForm::WarpEditForm()
    : Form(QStringLiteral("WarpEdit"))
{
    setCaption(QStringLiteral("Warp Editor"));
    setClientSize(8175, 7815);
}

void WarpEditForm::CreateControls()
{
}

void WarpEditForm::Form_Unload(int &)
{
    Forms::Main().setVisible(true);
}
