#include "notification_icons.h"

#include <shellapi.h>

namespace e2e {

bool notificationIconShown(HWND window, UINT id) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = window;
    probe.uID = id;
    // No flag: a modification of nothing, which only an existing icon accepts.
    return Shell_NotifyIconW(NIM_MODIFY, &probe) != FALSE;
}

std::vector<UINT> notificationIconsOf(HWND window, UINT idLimit) {
    std::vector<UINT> ids;
    for (UINT id = 0; id < idLimit; ++id)
        if (notificationIconShown(window, id)) ids.push_back(id);
    return ids;
}

} // namespace e2e
