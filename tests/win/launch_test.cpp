#include "temp_folder.h"

#include "keyboard/hot_key.h"
#include "platform/file_system.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_shell.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

namespace {

std::string besideThisProgram(const std::string& name) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), DWORD(path.size())));
    return win32::toUtf8(path.substr(0, path.find_last_of(L'\\') + 1)) + name;
}

std::vector<std::string> linesOf(const std::vector<unsigned char>& data) {
    std::istringstream text(std::string(data.begin(), data.end()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

std::optional<std::vector<std::string>> waitForLines(const std::string& file, std::chrono::seconds limit) {
    for (const auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        if (const auto data = readWholeFile(file)) return linesOf(*data);
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

TEST(KeyLaunch, StartsTheTargetWithItsArgumentsInItsWorkingFolder) {
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / pathOf("рабочая папка"));
    const std::string workDir = folder.file("рабочая папка") + "\\";
    const std::string marker = folder.file("marker.txt");
    Win32Shell shell;
    HotKey key;
    key.shell = &shell;
    key.target = besideThisProgram("launch_marker.exe");
    key.arguments = "\"" + marker + "\" first \"второе слово\"";
    key.workDir = workDir;

    key.launch();

    const auto lines = waitForLines(marker, std::chrono::seconds(10));
    ASSERT_TRUE(lines) << "the program did not start within 10 s";
    ASSERT_EQ(lines->size(), 3u);
    EXPECT_EQ((*lines)[0] + "\\", workDir);
    EXPECT_EQ((*lines)[1], "first");
    EXPECT_EQ((*lines)[2], "второе слово");
}

} // namespace
