#include "message_boxes.h"

#include "bounded_wait.h"
#include "top_level_windows.h"

#include <stdexcept>

namespace e2e {

namespace {

// MessageBox gives the static control with the text this identifier.
constexpr int messageTextId = 0xFFFF;

WindowQuery messageBoxQuery(DWORD processId) {
    WindowQuery query;
    query.processId = processId;
    query.className = "#32770";
    query.visibleOnly = true;
    return query;
}

} // namespace

std::vector<HWND> messageBoxesOf(DWORD processId) {
    return topLevelWindows(messageBoxQuery(processId));
}

HWND waitForMessageBox(const ChildProcess& process, std::chrono::milliseconds limit) {
    return waitForWindow(process, messageBoxQuery(process.id()), limit);
}

std::string messageBoxText(HWND box) {
    const HWND text = GetDlgItem(box, messageTextId);
    if (!text) throw std::runtime_error("the message box has no message text control");
    return windowTitle(text);
}

void pressButton(HWND box, int buttonId) {
    const HWND button = GetDlgItem(box, buttonId);
    if (!button) throw std::runtime_error("the message box has no button " + std::to_string(buttonId));
    // Posted, not sent: the box's owner answers once its dialog loop runs again.
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

} // namespace e2e
