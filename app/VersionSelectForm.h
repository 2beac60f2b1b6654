#pragma once

#include "core/ui/Form.h"

#include <QString>

class ListBox;
class QLabel;
class QPushButton;

// The version chooser: which of the two games the ROM image is. Its OK names the
// data files of that version.
class VersionSelectForm : public Form
{
    Q_OBJECT
public:
    VersionSelectForm();

    // Data files of the chosen version; empty until the first OK.
    QString TilesetFile;
    QString MapFile;
    QString EventFile;

    QLabel *QIcon = nullptr;
    QLabel *Label1 = nullptr;
    ListBox *VersionList = nullptr;
    QLabel *Label2 = nullptr;
    QPushButton *Command1 = nullptr;

    void Command1_Click();

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
};
