#include "forms/main_form.h"
#include "keyboard/clavant.h"
#include "platform/win32/message_dialogs.h"
#include "platform/win32/tick_clock.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <string>

namespace {

std::string programFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return win32::toUtf8(path.substr(0, path.find_last_of(L'\\') + 1));
}

// Until the binding store arrives: a few keys bound to programs every Windows has.
void bindSampleKeys(Clavant& keyboard, Shell& shell) {
    const std::pair<int, const char*> samples[] = {
        {1, "%SystemRoot%\\system32\\notepad.exe"},
        {2, "%SystemRoot%\\system32\\cmd.exe"},
        {3, "%SystemRoot%\\explorer.exe"},
        {4, "%SystemRoot%\\system32\\regedit.exe"},
        {17, "%SystemRoot%"},
        {18, "%SystemRoot%\\system32\\taskmgr.exe"},
        {45, "%SystemRoot%\\system32\\control.exe"},
        {72, "%SystemRoot%\\system32\\notepad.exe"},
    };
    for (auto [index, source] : samples) {
        const std::string file = shell.expandEnvironment(source);
        if (shell.fileExists(file) || shell.folderExists(file))
            keyboard.keys[std::size_t(index)]->bind(file, file);
    }
}

// Until the dispatcher arrives: the keyboard with one key raised, as the mouse over it shows it.
void showHighlighted(Clavant& keyboard, std::uint32_t code) {
    auto picture = keyboard.canvas->createOffscreen({keyboard.areaWidth, keyboard.areaHeight});
    picture->drawBitmap(keyboard.skin, {0, 0});
    for (int i = 0; i < keyboard.keyCount; ++i)
        if (keyboard.keys[std::size_t(i)]->code != code) keyboard.keys[std::size_t(i)]->drawNormal(*picture);
    for (int i = 0; i < keyboard.keyCount; ++i)
        if (keyboard.keys[std::size_t(i)]->code == code)
            keyboard.keys[std::size_t(i)]->drawHighlighted(*picture);
    keyboard.canvas->copyFrom(*picture, {0, 0});
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    Win32Shell shell;
    Win32Dialogs dialogs;
    Win32Clock clock;
    TForm1 form;
    if (!form.create({100, 100})) return 1;
    shell.setOwner(form.handle());
    dialogs.setOwner(form.handle());

    Clavant keyboard;
    keyboard.services = {&shell, &dialogs, &clock, &form};
    keyboard.programDir = programFolder();
    keyboard.labelColor = 0x000000;
    keyboard.labelBackColor = 0xFFFFFF;
    keyboard.holdTime = 1000;
    keyboard.init(false, &form.Image1.canvas, 681, 201, keyboard.programDir + "Skin\\WoodEN.jpg");
    bindSampleKeys(keyboard, shell);
    showHighlighted(keyboard, keyboard.keys[3]->code);

    ShowWindow(form.handle(), SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
