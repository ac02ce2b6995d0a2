// Crash-safe replacement of a file, and an INI file recovered from what an interrupted save left.
#include "temp_folder.h"

#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace {

namespace fs = std::filesystem;

const std::string old = "[S]\r\nx=old\r\n";
const std::string replacement = "[S]\r\nx=new\r\n";

std::span<const unsigned char> bytesOf(const std::string& text) {
    return {reinterpret_cast<const unsigned char*>(text.data()), text.size()};
}

std::string contentOf(const std::string& file) {
    const auto bytes = readWholeFile(file);
    return bytes ? std::string(bytes->begin(), bytes->end()) : "<unreadable>";
}

bool exists(const std::string& file) {
    return fs::exists(pathOf(file));
}

TEST(ReplaceFile, ReplacesOrCreatesTheWholeFileAndLeavesNoTemporaryFile) {
    TempFolder folder;
    const std::string file = folder.write("настройки.ini", "a much longer old content\r\n");
    ASSERT_TRUE(replaceFile(file, bytesOf(replacement)));
    EXPECT_EQ(contentOf(file), replacement);
    EXPECT_FALSE(exists(temporaryPath(file)));

    const std::string fresh = folder.file("новый.ini");
    ASSERT_TRUE(replaceFile(fresh, bytesOf(replacement)));
    EXPECT_EQ(contentOf(fresh), replacement);
    EXPECT_TRUE(fileExists(fresh));
    EXPECT_FALSE(fileExists(utf8Path(folder.path())));
}

TEST(ReplaceFile, ReadOnlyFileStaysWhole) {
    TempFolder folder;
    const std::string file = folder.write("setting.ini", old);
    ASSERT_TRUE(SetFileAttributesW(win32::toWide(file).c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(replaceFile(file, bytesOf(replacement)));
    EXPECT_EQ(contentOf(file), old);
    EXPECT_FALSE(exists(temporaryPath(file)));
    SetFileAttributesW(win32::toWide(file).c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(ReplaceFile, FolderInTheWayFails) {
    TempFolder folder;
    const std::string atTarget = folder.file("folder.ini");
    fs::create_directory(pathOf(atTarget));
    EXPECT_FALSE(replaceFile(atTarget, bytesOf(replacement)));
    EXPECT_TRUE(fs::is_directory(pathOf(atTarget)));
    EXPECT_FALSE(exists(temporaryPath(atTarget)));

    const std::string file = folder.write("setting.ini", old);
    fs::create_directory(pathOf(temporaryPath(file)));
    EXPECT_FALSE(replaceFile(file, bytesOf(replacement))) << "a folder where the temporary file goes";
    EXPECT_EQ(contentOf(file), old);

    EXPECT_FALSE(replaceFile(folder.file("нет\\setting.ini"), bytesOf(replacement)));
}

TEST(ReplaceFile, FileHeldOpenByAnotherProgramStaysWhole) {
    TempFolder folder;
    const std::string file = folder.write("setting.ini", old);
    const win32::UniqueHandle holder(CreateFileW(win32::toWide(file).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    EXPECT_FALSE(replaceFile(file, bytesOf(replacement)));
    EXPECT_EQ(contentOf(file), old);
    EXPECT_FALSE(exists(temporaryPath(file)));
}

TEST(IniFileRecovery, MissingFileIsReadFromAWholeTemporaryFileAndPutInPlaceByTheNextSave) {
    TempFolder folder;
    const std::string file = folder.file("setting.ini");
    folder.write("setting.ini.tmp", "[Setting]\r\nTimeExe=750\r\n");
    IniFile ini(file);
    EXPECT_EQ(ini.readInteger("Setting", "TimeExe", 1000), 750);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(contentOf(file), "[Setting]\r\nTimeExe=750\r\n");
    EXPECT_FALSE(exists(temporaryPath(file)));

    const std::string cut = folder.file("cut.ini");
    folder.write("cut.ini.tmp", "[Setting]\r\nTimeExe=75");
    EXPECT_EQ(IniFile(cut).readInteger("Setting", "TimeExe", 1000), 1000);
}

// Saving what could not be read would replace the file's content with only our own values.
TEST(IniFileRecovery, FileThatCannotBeReadIsNotOverwritten) {
    TempFolder folder;
    const std::string file = folder.write("setting.ini", old);
    std::optional<IniFile> ini;
    {
        const win32::UniqueHandle locked(CreateFileW(win32::toWide(file).c_str(),
                                                     GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                                     FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(locked);
        ini.emplace(file);
    }
    EXPECT_EQ(ini->readString("S", "x", "<fallback>"), "<fallback>");
    ini->writeString("S", "y", "1");
    EXPECT_FALSE(ini->save());
    EXPECT_EQ(contentOf(file), old);
}

} // namespace
