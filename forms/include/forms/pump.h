#pragma once

namespace forms {

// Handles every message waiting in the thread's queue, then returns (DoEvents).
// Returns false once WM_QUIT was seen; the quit is posted again for the outer loop.
bool Do_Events();

// Runs the thread's message loop until WM_QUIT; returns the quit code.
int Run_Message_Loop();

}  // namespace forms
