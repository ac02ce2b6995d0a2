#include "temp_folder.h"

#include "platform/win32/file_dialog.h"
#include "platform/win32/wide_text.h"

#include <dlgs.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>

namespace {

HWND visibleDialogOf(DWORD thread) {
    HWND found = nullptr;
    EnumThreadWindows(
        thread,
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[16] = {};
            GetClassNameW(window, name, 16);
            if (!IsWindowVisible(window) || std::wstring(name) != L"#32770") return TRUE;
            *reinterpret_cast<HWND*>(result) = window;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

// Acts on the dialog as a user would, from another thread, once it shows; gives up after 10 s.
std::thread user(std::function<void(HWND dialog)> act) {
    return std::thread([act = std::move(act), thread = GetCurrentThreadId()] {
        for (const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
             std::chrono::steady_clock::now() < end;
             std::this_thread::sleep_for(std::chrono::milliseconds(50)))
            if (const HWND dialog = visibleDialogOf(thread)) {
                std::this_thread::sleep_for(std::chrono::milliseconds(200)); // let it fill its folder view
                return act(dialog);
            }
    });
}

std::wstring folderShownBy(HWND dialog) {
    std::wstring folder(32768, L'\0');
    const LRESULT length = SendMessageW(dialog, CDM_GETFOLDERPATH, WPARAM(folder.size()),
                                        reinterpret_cast<LPARAM>(folder.data()));
    folder.resize(length > 0 ? std::size_t(length - 1) : 0);
    return folder;
}

TEST(OpenFileDialog, GivesTheChosenPathAndOpensWhereTheUserLeftIt) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / pathOf("программы"));
    const std::string chosen = folder.write("программы\\блокнот.exe", "");
    win32::OpenFileDialog dialog(L"Exe(*.exe)|*.exe|All files(*.*)|*.*", OFN_HIDEREADONLY | OFN_EXPLORER);

    std::thread choose = user([&](HWND d) {
        SendMessageW(d, CDM_SETCONTROLTEXT, cmb13, reinterpret_cast<LPARAM>(win32::toWide(chosen).c_str()));
        PostMessageW(d, WM_COMMAND, IDOK, 0);
    });
    const auto file = dialog.execute(nullptr);
    choose.join();
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, chosen);

    std::wstring shown;
    std::thread look = user([&](HWND d) {
        shown = folderShownBy(d);
        PostMessageW(d, WM_COMMAND, IDCANCEL, 0);
    });
    EXPECT_EQ(dialog.execute(nullptr), std::nullopt) << "cancelled";
    look.join();
    EXPECT_EQ(win32::toUtf8(shown) + "\\", chosen.substr(0, chosen.find_last_of('\\') + 1));
}

TEST(OpenFileDialog, FilterTakesZerosForBarsAndEndsWithTwo) {
    using namespace std::string_literals;
    EXPECT_EQ(win32::dialogFilter(L"Exe(*.exe)|*.exe|All(*.*)|*.*"),
              L"Exe(*.exe)\0*.exe\0All(*.*)\0*.*\0\0"s);
}

} // namespace
