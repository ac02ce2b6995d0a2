#pragma once

#include "platform/geometry.h"

#include <windows.h>

namespace e2e {

// Input as the keyboard and the mouse would give it (SendInput), to whatever window the system
// sends it: the keys to the foreground window, the mouse to the window under the pointer.
// Throws when the system refuses the input.

// A key-down; sent again while the key is down, it is an automatic repeat.
void keyDown(WORD virtualKey);
void keyUp(WORD virtualKey);
void tapKey(WORD virtualKey);

// Moves the pointer to a point of the screen, as a mouse move reports it.
void movePointerTo(Point screen);
void leftButtonDown();
void leftButtonUp();
void leftClickAt(Point screen);

} // namespace e2e
