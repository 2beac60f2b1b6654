#pragma once

#include "core/ui/Form.h"

// The window EventEdit. (Being built.)
class EventEditForm : public Form
{
    Q_OBJECT
public:
    EventEditForm();

protected:
    void CreateControls() override;
    void Form_Unload(int &Cancel) override;
};
