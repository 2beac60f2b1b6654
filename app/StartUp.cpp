#include "StartUp.h"

#include "Forms.h"
#include "SplashForm.h"

namespace Defines {

void Main()
{
    // Loads the start-up window without showing it; its load step asks for the ROM.
    Forms::Splash().setVisible(false);
}

} // namespace Defines
