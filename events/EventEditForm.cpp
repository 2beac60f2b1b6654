#include "EventEditForm.h"

#include "core/forms/Forms.h"
#include "mainwindow/MainForm.h"

EventEditForm::EventEditForm()
    : Form(QStringLiteral("EventEdit"))
{
    setCaption(QStringLiteral("Event Editor"));
    setClientSize(8175, 7815);
}

void EventEditForm::CreateControls()
{
}

void EventEditForm::Form_Unload(int &)
{
    Forms::Main().setVisible(true);
}
