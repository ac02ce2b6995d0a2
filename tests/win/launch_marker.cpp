// Started by the launch test: writes its working folder, then each argument after the first,
// one a line in UTF-8, to the file the first argument names. The file appears whole or not at all.
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <shellapi.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

int main() {
    int count = 0;
    const std::unique_ptr<LPWSTR, decltype(&LocalFree)> arguments(
        CommandLineToArgvW(GetCommandLineW(), &count), &LocalFree);
    if (!arguments || count < 2) return 1;
    const LPWSTR* argument = arguments.get();

    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(GetCurrentDirectoryW(DWORD(folder.size()), folder.data()));
    std::string lines = win32::toUtf8(folder) + "\n";
    for (int i = 2; i < count; ++i)
        lines += win32::toUtf8(argument[i]) + "\n";

    const std::wstring marker = argument[1], part = marker + L".part";
    std::ofstream(std::filesystem::path(part), std::ios::binary) << lines;
    return MoveFileExW(part.c_str(), marker.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
