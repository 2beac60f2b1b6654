#pragma once

#include "core/ui/Form.h"

// The window WarpEdit. (Being built.)
class WarpEditForm : public Form
{
    Q_OBJECT
public:
    WarpEditForm();

protected:
    void CreateControls() override;
    void Form_Unload(int &Cancel) override;
};
