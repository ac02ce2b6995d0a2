#include "temp_folder.h"

#include "platform/win32/com_ptr.h"
#include "platform/win32/com_scope.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_shell.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

namespace {

// Saves a shortcut the way the Explorer does; target is a UTF-8 path, or empty for a shortcut
// to the "Computer" shell item, which has no file-system path.
void saveShortcut(const std::string& link, const std::string& target) {
    const win32::ComScope com;
    win32::ComPtr<IShellLinkW> shortcut;
    win32::ComPtr<IPersistFile> file;
    ASSERT_HRESULT_SUCCEEDED(
        CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, shortcut.out()));
    if (target.empty()) {
        LPITEMIDLIST computer = nullptr;
        ASSERT_HRESULT_SUCCEEDED(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &computer));
        const HRESULT set = shortcut->SetIDList(computer);
        CoTaskMemFree(computer);
        ASSERT_HRESULT_SUCCEEDED(set);
    } else {
        ASSERT_HRESULT_SUCCEEDED(shortcut->SetPath(win32::toWide(target).c_str()));
    }
    ASSERT_HRESULT_SUCCEEDED(shortcut->QueryInterface(IID_IPersistFile, file.out()));
    ASSERT_HRESULT_SUCCEEDED(file->Save(win32::toWide(link).c_str(), TRUE));
}

std::wstring folded(const std::string& path) {
    std::wstring wide = win32::toWide(path);
    std::transform(wide.begin(), wide.end(), wide.begin(),
                   [](wchar_t c) { return wchar_t(std::towlower(c)); });
    return wide;
}

TEST(Shortcut, ResolvesToWhatItPointsTo) {
    TempFolder folder;
    Win32Shell shell;
    const std::string target = folder.write("цель.txt", "x");
    saveShortcut(folder.file("ярлык.lnk"), target);

    const auto resolved = shell.resolveShortcut(folder.file("ярлык.lnk"));
    ASSERT_TRUE(resolved);
    EXPECT_EQ(folded(*resolved), folded(target));
}

TEST(Shortcut, ToAShellItemResolvesToAnEmptyPath) {
    TempFolder folder;
    Win32Shell shell;
    saveShortcut(folder.file("computer.lnk"), "");
    EXPECT_EQ(shell.resolveShortcut(folder.file("computer.lnk")), std::string());
}

TEST(Shortcut, WhatIsNoShortcutResolvesToNothing) {
    TempFolder folder;
    Win32Shell shell;
    EXPECT_EQ(shell.resolveShortcut(folder.write("fake.lnk", "not a shortcut")), std::nullopt);
    EXPECT_EQ(shell.resolveShortcut(folder.write("plain.txt", "text")), std::nullopt);
    EXPECT_EQ(shell.resolveShortcut(folder.file("missing.lnk")), std::nullopt);
    EXPECT_EQ(shell.resolveShortcut(utf8Path(folder.path())), std::nullopt);
}

TEST(ShellFiles, FilesAndFoldersAreToldApart) {
    TempFolder folder;
    Win32Shell shell;
    const std::string file = folder.write("файл.txt", "x"), here = utf8Path(folder.path());
    const std::string missing = folder.file("нет.txt");
    EXPECT_TRUE(shell.fileExists(file));
    EXPECT_FALSE(shell.folderExists(file));
    EXPECT_TRUE(shell.folderExists(here));
    EXPECT_FALSE(shell.fileExists(here));
    EXPECT_FALSE(shell.fileExists(missing));
    EXPECT_FALSE(shell.folderExists(missing));
    EXPECT_FALSE(shell.fileExists(""));
}

TEST(ShellFiles, DisplayNameOfAFileAndOfNothing) {
    TempFolder folder;
    Win32Shell shell;
    EXPECT_EQ(shell.displayName(folder.write("заметки.txt", "x")).rfind("заметки", 0), 0u);
    EXPECT_EQ(shell.displayName(folder.file("нет.txt")), "");
}

TEST(ShellFiles, EnvironmentReferencesAreExpanded) {
    Win32Shell shell;
    SetEnvironmentVariableW(L"MARLOWIN_ПАПКА", L"C:\\Папка");
    EXPECT_EQ(shell.expandEnvironment("%MARLOWIN_ПАПКА%\\app.exe"), "C:\\Папка\\app.exe");
    EXPECT_EQ(shell.expandEnvironment("%MARLOWIN_UNSET%\\x"), "%MARLOWIN_UNSET%\\x");
    const std::string longValue(3000, 'a');
    SetEnvironmentVariableW(L"MARLOWIN_LONG", win32::toWide(longValue).c_str());
    EXPECT_EQ(shell.expandEnvironment("%MARLOWIN_LONG%"), longValue);
}

} // namespace
