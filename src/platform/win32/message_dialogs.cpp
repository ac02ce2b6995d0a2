#include "platform/win32/message_dialogs.h"

#include "platform/win32/wide_text.h"

#include <string>

namespace {

// The program's file name without folder and extension.
std::wstring programTitle() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    std::wstring name = path.substr(path.find_last_of(L"\\/") + 1);
    if (const auto dot = name.rfind(L'.'); dot != std::wstring::npos && dot > 0) name.resize(dot);
    return name;
}

} // namespace

void Win32Dialogs::showMessage(const std::string& text) {
    MessageBoxW(owner_, win32::toWide(text).c_str(), programTitle().c_str(),
                MB_OK | (owner_ ? 0u : UINT(MB_TASKMODAL)));
}
