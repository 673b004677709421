#pragma once

// The DirectDraw objects of this process. A game makes its DirectDraw object long before a
// trigger, and often before the library is mapped into it; DirectDraw itself names no object
// of a process. So once a process has loaded "ddraw.dll", the library watches the surfaces
// drawn on: every lock, blit, flip or device context of a surface, and every surface made,
// notes the DirectDraw object behind it. Objects made before the watch started are caught at
// their next drawing, which a running game does every frame.

#include <windows.h>
#include <ddraw.h>

namespace trhook95 {

// Starts the watch once per process, when this process has loaded "ddraw.dll" (looked up,
// never loaded). Cheap after the first start; the look-up runs at most every few tenths of a
// second. Once the watch runs, the library stays mapped in the process for its whole life.
void Watch_DirectDraw();

// Finds the game's DirectDraw object.
class CDDrawFinder {
 public:
  virtual ~CDDrawFinder() = default;
  // The DirectDraw object the process `pid` (this process) drew through last, or none: a pid
  // of 0 or -1, another process, no DirectDrawCreate, nothing noted yet, or an object the game
  // has let go of since (the note is forgotten when the game releases one of the object's
  // interfaces entirely, and taken again at its next drawing). The object is not
  // reference-counted for the caller; a caller that keeps it adds a reference of its own.
  IDirectDraw* FindGameDirectDraw(DWORD pid);
};

}  // namespace trhook95
