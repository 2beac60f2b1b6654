#pragma once

#include <functional>

// Ending the program. End() closes every window without running its close step
// and leaves the event loop (or keeps it from starting); callers return at once.
namespace Program {

void End();
bool Ended();
// Forget an earlier End (tests start each case afresh).
void ResetEnded();
// What End does besides recording it; the default quits the application.
void setEndHandler(std::function<void()> handler);

} // namespace Program
