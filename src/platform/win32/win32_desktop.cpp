#include "platform/win32/win32_desktop.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

namespace {

constexpr const wchar_t* runKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RegistryKeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = win32::unique<HKEY, RegistryKeyCloser>;

UniqueKey openRunKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, runKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return UniqueKey();
    return UniqueKey(key);
}

std::wstring programFile() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return path;
}

std::wstring programTitle() {
    std::wstring name = programFile();
    name.erase(0, name.find_last_of(L'\\') + 1);
    return name.substr(0, name.find_last_of(L'.'));
}

} // namespace

bool Win32Desktop::ApplicationWindow::create(const std::wstring& title) {
    Creation c;
    c.className = L"MarlowinApplication";
    // Shown and hidden with the main window but never seen: no size, no frame.
    c.style = WS_POPUP;
    c.title = title;
    return Window::create(c);
}

LRESULT Win32Desktop::ApplicationWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Closing the application (from the task manager, say) ends it the way closing its main window does.
    if (message == WM_CLOSE) {
        PostQuitMessage(0);
        return 0;
    }
    return Window::handleMessage(message, wParam, lParam);
}

Win32Desktop::Win32Desktop() {
    applicationWindow_.create(programTitle());
}

std::string Win32Desktop::programPath() {
    return win32::toUtf8(programFile());
}

void Win32Desktop::setToolWindowStyle() {
    const HWND window = applicationWindow();
    SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
}

DesktopSession::AutorunWrite Win32Desktop::writeAutorunValue(const std::string& valueName,
                                                             const std::string& command) {
    const UniqueKey key = openRunKey();
    if (!key) return AutorunWrite::keyUnavailable;
    const std::wstring data = win32::toWide(command);
    const auto bytes = DWORD((data.size() + 1) * sizeof(wchar_t));
    const LONG result = RegSetValueExW(key.get(), win32::toWide(valueName).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(data.c_str()), bytes);
    return result == ERROR_SUCCESS ? AutorunWrite::written : AutorunWrite::refused;
}

void Win32Desktop::deleteAutorunValue(const std::string& valueName) {
    const UniqueKey key = openRunKey();
    if (key) RegDeleteValueW(key.get(), win32::toWide(valueName).c_str());
}

void Win32Desktop::showWindows(WindowHandle window) {
    ShowWindow(static_cast<HWND>(window), SW_SHOW);
    ShowWindow(applicationWindow(), SW_SHOW);
}

void Win32Desktop::hideWindows(WindowHandle window) {
    ShowWindow(static_cast<HWND>(window), SW_HIDE);
    ShowWindow(applicationWindow(), SW_HIDE);
}
