#include "forms/hook_component.h"

#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string besideThisProgram(const std::string& name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return win32::toUtf8(path.substr(0, path.find_last_of(L'\\') + 1)) + name;
}

struct Call {
    int install, mode;
    HWND window, applicationWindow;
    bool operator==(const Call&) const = default;
};

using RecordedCallFunction = bool (*)(int, int*, int*, HWND*, HWND*);

std::vector<Call> recordedCalls(HMODULE library) {
    const auto recorded = reinterpret_cast<RecordedCallFunction>(
        reinterpret_cast<void*>(GetProcAddress(library, "RecordedCall")));
    std::vector<Call> calls;
    Call c{};
    while (recorded && recorded(int(calls.size()), &c.install, &c.mode, &c.window, &c.applicationWindow))
        calls.push_back(c);
    return calls;
}

const HWND mainWindow = reinterpret_cast<HWND>(0x1234);
const HWND applicationWindow = reinterpret_cast<HWND>(0x5678);

TEST(HookComponent, InstallsWithTheTwoWindowsAndRemovesBeforeUnloading) {
    const std::string file = besideThisProgram("recording_hook.dll");
    HookComponent component;
    ASSERT_TRUE(component.load(file));
    // Held here as well, so the calls can still be read after the component lets go.
    const win32::UniqueModule library(LoadLibraryW(win32::toWide(file).c_str()));
    component.install(mainWindow, applicationWindow);
    EXPECT_TRUE(component.unload(mainWindow, applicationWindow));

    EXPECT_EQ(recordedCalls(library.get()), (std::vector<Call>{{1, 1, mainWindow, applicationWindow},
                                                               {0, 1, mainWindow, applicationWindow}}));
    EXPECT_FALSE(component.loaded());
    EXPECT_FALSE(component.unload(mainWindow, applicationWindow)) << "a second unload finds nothing loaded";
}

TEST(HookComponent, AMissingFileOrALibraryWithoutSetHookIsNotLoaded) {
    HookComponent missing;
    EXPECT_FALSE(missing.load(besideThisProgram("hook_dll\\hook_dll.dll")));
    EXPECT_FALSE(missing.unload(mainWindow, applicationWindow));

    // Any library without the export: the component does not keep it.
    HookComponent foreign;
    EXPECT_FALSE(foreign.load(besideThisProgram("launch_marker.exe")));
    EXPECT_FALSE(foreign.loaded());
}

} // namespace
