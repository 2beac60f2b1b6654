#pragma once

#include <QString>

// The Open / Save As dialog control: its properties are kept between showings,
// so a newly shown dialog starts from the last chosen file name.
class CommonDialog
{
public:
    QString FileName;
    QString DialogTitle;
    QString InitDir;

    // True when the user chose a file (FileName then holds its full path);
    // false on cancel, FileName unchanged.
    bool ShowOpen();
    bool ShowSave();
};
