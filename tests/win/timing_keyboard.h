#pragma once

#include "keyboard/clavant.h"
#include "platform/win32/dib_canvas.h"

// The keyboard the timing programs measure: 104 keys on a plain 681 x 201 skin, drawing on a
// window-sized DIB canvas.
void layOutTimingKeyboard(Clavant& keyboard, DibCanvas& window);

// Binds every key to shell32.dll with an icon of its own, as after binding 104 different programs.
void bindEveryKey(Clavant& keyboard, Shell& shell);
