#pragma once

namespace Defines {

// The start procedure: loads the start-up window without showing it; its load step
// asks for the ROM image. Run at start and again by File > Open.
void Main();

} // namespace Defines
