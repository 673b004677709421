#pragma once
// The event pump. Every message loop of the tutor goes through these functions, which run the
// forms' key preview and key events before a key reaches its window. Handlers may call
// Do_Events / Wait_Milliseconds / Form::Show_Modal at any depth.

#include <windows.h>

namespace forms {

// Handles every message waiting in the thread's queue, then returns (DoEvents).
// Returns false once WM_QUIT was seen; the quit is posted again for the outer loop.
bool Do_Events();

// Busy wait that keeps handling events: returns after at least `milliseconds` (or at once when
// WM_QUIT was seen). Sleeps in MsgWaitForMultipleObjects between events, so it uses no CPU.
void Wait_Milliseconds(double milliseconds);

// Runs the thread's message loop until WM_QUIT; returns the quit code.
int Run_Message_Loop();

// One message through the runtime: key events and preview, then translate and dispatch.
// For callers with a loop of their own.
void Process_Message(MSG& msg);

// Current nesting depth of event handlers of the runtime (0 in the outermost loop).
int Handler_Depth();

}  // namespace forms
