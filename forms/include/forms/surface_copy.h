#pragma once
// Copying part of one container's persistent surface onto another's (a picture box's picture
// painted from another box, as a scrolling picture does through a hidden copy of itself).

#include "forms/control.h"

namespace forms {

// Copies width x height twips from (source_x, source_y) of `source`'s surface to (x, y) of
// `target`'s surface, unstretched (width or height -1: the rest of the source surface), and
// repaints that rectangle of the target. Source and target may be the same container only when
// the rectangles do not overlap.
void Paint_Surface(Container& target, int x, int y, Container& source, int source_x = 0,
                   int source_y = 0, int width = -1, int height = -1);

}  // namespace forms
