#pragma once

#include "core/ui/CommonDialog.h"
#include "core/ui/Form.h"

class QLabel;
class QTimer;

// The start-up window: hidden while it asks for the ROM image, shown with the logo
// while the main window loads. Its dialog control serves the Open and Save As dialogs.
class SplashForm : public Form
{
    Q_OBJECT
public:
    SplashForm();

    // The Open / Save As dialog control (Boxes); rebuilt with the window's controls.
    CommonDialog Boxes;

    QLabel *Label1 = nullptr;
    QTimer *Timer1 = nullptr;

    void Timer1_Timer();

protected:
    void CreateControls() override;
    void ControlsDestroyed() override;
    void Form_Load() override;
};
