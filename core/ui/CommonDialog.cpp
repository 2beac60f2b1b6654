#include "CommonDialog.h"

#include "Dialogs.h"

bool CommonDialog::ShowOpen()
{
    const QString path = Dialogs::backend().openFile(DialogTitle, InitDir, FileName);
    if (path.isEmpty())
        return false;
    FileName = path;
    return true;
}

bool CommonDialog::ShowSave()
{
    const QString path = Dialogs::backend().saveFile(DialogTitle, InitDir, FileName);
    if (path.isEmpty())
        return false;
    FileName = path;
    return true;
}
