#include "temp_folder.h"

#include "platform/file_system.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

#include <gtest/gtest.h>

namespace {

TEST(WideText, Utf8AndUtf16RoundTrip) {
    EXPECT_EQ(win32::toWide("Блокнот"), L"Блокнот");
    EXPECT_EQ(win32::toUtf8(L"Блокнот"), "Блокнот");
    EXPECT_EQ(win32::toUtf8(win32::toWide("a\xF0\x9F\x98\x80z")), "a\xF0\x9F\x98\x80z") << "outside the BMP";
    EXPECT_EQ(win32::toWide("a\xFFz"), L"a\xFFFDz") << "invalid UTF-8";
    EXPECT_EQ(win32::toWide(""), L"");
}

TEST(ReadWholeFile, ReadsAFileWithACyrillicNameByteForByte) {
    TempFolder folder;
    const std::string content("\0\xFF\r\n\x1A end", 9);
    const auto data = readWholeFile(folder.write("данные.bin", content));
    ASSERT_TRUE(data);
    EXPECT_EQ(std::string(data->begin(), data->end()), content);
    EXPECT_EQ(readWholeFile(folder.write("пусто.bin", "")), std::vector<unsigned char>());
}

TEST(ReadWholeFile, GivesNothingForAFolderAMissingOrALockedFile) {
    TempFolder folder;
    EXPECT_FALSE(readWholeFile(utf8Path(folder.path())));
    EXPECT_FALSE(readWholeFile(folder.file("нет.bin")));

    const std::string locked = folder.write("занят.bin", "x");
    const win32::UniqueHandle owner(CreateFileW(win32::toWide(locked).c_str(), GENERIC_READ | GENERIC_WRITE,
                                                0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(owner);
    EXPECT_FALSE(readWholeFile(locked));
}

} // namespace
