#include "BlockEditForm.h"

#include "core/forms/Forms.h"
#include "mainwindow/MainForm.h"

BlockEditForm::BlockEditForm()
    : Form(QStringLiteral("BlockEdit"))
{
    setCaption(QStringLiteral("Building Block Editor"));
    setClientSize(8175, 7815);
}

void BlockEditForm::CreateControls()
{
}

void BlockEditForm::Form_Unload(int &)
{
    Forms::Main().setVisible(true);
}
