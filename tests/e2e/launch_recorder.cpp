// Bound to keys by the end-to-end tests: each start appends one line to the file its first
// argument names, with its working folder and every further argument, tab-separated, in UTF-8.
// Unlike a marker file, two starts leave two lines. A window program, so that no console
// shows and nothing takes the activation from the launcher.
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <shellapi.h>

#include <memory>
#include <string>

namespace {

// Starts close together take turns: the file opens for one writer at a time.
win32::UniqueHandle openForAppending(const std::wstring& file) {
    for (int attempt = 0; attempt < 250; ++attempt) {
        win32::UniqueHandle handle(CreateFileW(file.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                                               FILE_ATTRIBUTE_NORMAL, nullptr));
        if (handle || GetLastError() != ERROR_SHARING_VIOLATION) return handle;
        Sleep(20);
    }
    return {};
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!arguments || count < 2) return 1;
    const LPWSTR* argument = arguments.get();

    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetCurrentDirectoryW(DWORD(folder.size()), folder.data()));
    std::string line = win32::toUtf8(folder);
    for (int i = 2; i < count; ++i) {
        line += '\t';
        line += win32::toUtf8(argument[i]);
    }
    line += '\n';

    const win32::UniqueHandle file = openForAppending(argument[1]);
    DWORD written = 0;
    // One write, so a reader never sees half a line as a whole one.
    return file && WriteFile(file.get(), line.data(), DWORD(line.size()), &written, nullptr) &&
                   written == line.size()
               ? 0
               : 1;
}
