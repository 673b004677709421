#pragma once
// The four games as the shell sees them: police and thief (games/police_page.h), balloons and
// wolves (games/apple_page.h), mouse catching (games/mouse_page.h) and frog crossing
// (games/frog_page.h), each on the frame of games/game_frame.h.

#include "games/apple_page.h"
#include "games/frog_page.h"
#include "games/mouse_page.h"
#include "games/police_page.h"
