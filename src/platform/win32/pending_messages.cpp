#include "platform/win32/pending_messages.h"

#include <windows.h>

namespace win32 {

void processPendingMessages(int limit) {
    MSG msg;
    for (int handled = 0; handled < limit && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++handled) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(int(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

} // namespace win32
