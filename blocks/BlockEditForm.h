#pragma once

#include "core/ui/Form.h"

// The window BlockEdit. (Being built.)
class BlockEditForm : public Form
{
    Q_OBJECT
public:
    BlockEditForm();

protected:
    void CreateControls() override;
    void Form_Unload(int &Cancel) override;
};
