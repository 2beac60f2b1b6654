#pragma once

#include "core/ui/Form.h"

class QLabel;
class QPushButton;

// The About window; its button is the only way back to the main window.
class AboutForm : public Form
{
    Q_OBJECT
public:
    AboutForm();

    QLabel *Image1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QPushButton *Command1 = nullptr;

    void Command1_Click();

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
};
