#include "app/keyboard_application.h"
#include "forms/main_form.h"
#include "platform/win32/message_dialogs.h"
#include "platform/win32/single_instance.h"
#include "platform/win32/tick_clock.h"
#include "platform/win32/win32_desktop.h"
#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

namespace {

std::vector<std::wstring> commandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::wstring> result(arguments, arguments + (arguments ? count : 0));
    LocalFree(arguments);
    return result;
}

int runMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Win32Desktop desktop;
    SingleInstance instance(desktop.applicationWindow(), commandLineArguments());
    if (!instance.isFirst()) return 0;
    instance.mark();

    Win32Shell shell;
    Win32Dialogs dialogs;
    Win32Clock clock;
    KeyboardApplication application;
    desktop.setToolWindowStyle();
    TForm1 form(application, shell, desktop.applicationWindow());
    application.services = {&form, &desktop, {&shell, &dialogs, &clock, &form, &form, &form}};
    shell.setOwner(desktop.applicationWindow());
    dialogs.setOwner(desktop.applicationWindow());
    if (!form.create()) return 0;
    dialogs.setOwner(form.handle());

    ShowWindow(form.handle(), SW_SHOWNORMAL);
    SetForegroundWindow(form.handle());
    runMessageLoop();
    instance.unmark();
    form.destroy();
    return 0;
}
