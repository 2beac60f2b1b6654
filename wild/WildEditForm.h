#pragma once

#include "core/ui/Form.h"

// The window WildEdit. (Being built.)
class WildEditForm : public Form
{
    Q_OBJECT
public:
    WildEditForm();

protected:
    void CreateControls() override;
    void Form_Unload(int &Cancel) override;
};
