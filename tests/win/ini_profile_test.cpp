// Our INI engine against the platform's own profile functions, on the same files.
#include "temp_folder.h"

#include "platform/ini_file.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using win32::toUtf8;
using win32::toWide;

const std::string none = "<none>";

// A buffer of 2048 characters, as the engine's 2047-character values assume.
std::string profileString(const std::string& file, const std::string& section, const std::string& key) {
    std::wstring buffer(2048, L'\0');
    const DWORD length =
        GetPrivateProfileStringW(toWide(section).c_str(), toWide(key).c_str(), toWide(none).c_str(),
                                 buffer.data(), DWORD(buffer.size()), toWide(file).c_str());
    buffer.resize(length);
    return toUtf8(buffer);
}

int profileInteger(const std::string& file, const std::string& section, const std::string& key,
                   int fallback) {
    return int(
        GetPrivateProfileIntW(toWide(section).c_str(), toWide(key).c_str(), fallback, toWide(file).c_str()));
}

// A null key erases the section.
void profileWrite(const std::string& file, const char* section, const char* key, const char* value) {
    ASSERT_TRUE(WritePrivateProfileStringW(toWide(section).c_str(), key ? toWide(key).c_str() : nullptr,
                                           value ? toWide(value).c_str() : nullptr, toWide(file).c_str()));
    // Puts what the profile functions keep in memory into the file.
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, toWide(file).c_str());
}

std::vector<std::string> profileSectionNames(const std::string& file) {
    std::wstring buffer(4096, L'\0');
    const DWORD length =
        GetPrivateProfileSectionNamesW(buffer.data(), DWORD(buffer.size()), toWide(file).c_str());
    std::vector<std::string> names;
    for (std::size_t start = 0; start < length;) {
        const std::size_t end = buffer.find(L'\0', start);
        names.push_back(toUtf8(buffer.substr(start, end - start)));
        start = end + 1;
    }
    return names;
}

std::string bytesOf(std::u16string_view text) {
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text)
        bytes += {char(unit & 0xFF), char(unit >> 8)};
    return bytes;
}

std::string bigEndianBytesOf(std::u16string_view text) {
    std::string bytes = "\xFE\xFF";
    for (const char16_t unit : text)
        bytes += {char(unit >> 8), char(unit & 0xFF)};
    return bytes;
}

using Query = std::pair<const char*, const char*>;

struct SharedCase {
    const char* name;
    std::string file;
    std::vector<Query> queries;
};

const SharedCase sharedCases[] = {
    {"NamesInAnyCase",
     "[Position]\r\nMask=a.jpg\r\n[Setting]\r\nTimeExe=1000\r\n",
     {{"position", "MASK"}, {"SETTING", "timeexe"}, {"setting", "TimeExe"}, {"Position", "TimeExe"}}},
    {"FirstOfTwoSectionsAndKeys", "[S]\r\nx=1\r\nX=2\r\n[s]\r\nx=3\r\ny=4\r\n", {{"S", "x"}, {"s", "y"}}},
    {"BlanksAroundNamesAndValues",
     "  [ S ]  \r\n\t key \t=\t v a l \t\r\nempty=\r\nblank=   \r\n",
     {{"S", "key"}, {" S ", " key "}, {"S", "empty"}, {"S", "blank"}}},
    {"KeyWithoutEqualsAndALineBeforeTheFirstSection",
     "x=0\r\n[S]\r\nflag\r\ny=1\r\n",
     {{"S", "flag"}, {"S", "x"}, {"S", "y"}}},
    {"TextAfterTheBracketAndAnUnclosedBracket",
     "[S] junk\r\nx=1\r\n[abc\r\ny=2\r\n",
     {{"S", "x"}, {"S", "y"}, {"abc", "y"}}},
    {"CommentBeforeAKey", "[S]\r\n; x=1\r\nx=2\r\n", {{"S", "x"}}},
    {"LfAndLoneCrLineEnds", "[S]\nx=1\ry=2\r\n", {{"S", "x"}, {"S", "y"}}},
    {"EndOfFileMark", "[S]\r\nx=v\x1A\r\n", {{"S", "x"}}},
    {"ValueCutAt2047Characters", "[S]\r\nx=" + std::string(3000, 'a') + "\r\n", {{"S", "x"}}},
    {"Utf16LittleEndian", bytesOf(u"[Ключ]\r\nTitle=Блокнот\r\n"), {{"Ключ", "title"}, {"Ключ", "TITLE"}}},
    {"Utf16BigEndian", bigEndianBytesOf(u"[S]\r\nTitle=Блокнот\r\n"), {{"S", "Title"}}},
    // Both read it in the system's ANSI code page, whichever that is.
    {"AnsiBytes", "[S]\r\nTitle=\xC1\xEB\xEE\xEA\xED\xEE\xF2 \xE9\r\n", {{"S", "Title"}}},
};

class SameAnswers : public ::testing::TestWithParam<SharedCase> {};

TEST_P(SameAnswers, AsTheProfileFunctions) {
    const SharedCase& c = GetParam();
    TempFolder folder;
    const std::string file = folder.write(std::string(c.name) + ".ini", c.file);
    const IniFile ini(file);
    for (const auto& [section, key] : c.queries)
        EXPECT_EQ(ini.readString(section, key, none), profileString(file, section, key))
            << "[" << section << "] " << key;
}

INSTANTIATE_TEST_SUITE_P(IniProfile, SameAnswers, ::testing::ValuesIn(sharedCases),
                         [](const auto& info) { return std::string(info.param.name); });

// GetPrivateProfileInt takes the leading digits of "12abc" and reads "0x10"; our integers are the
// whole value or the fallback, so only whole decimal numbers are asked of both.
TEST(IniProfile, DecimalIntegersAsTheProfileFunctions) {
    TempFolder folder;
    const std::string file =
        folder.write("numbers.ini", "[S]\r\na=1000\r\nb=-5\r\nc=0\r\nd=2147483647\r\ne= 42 \r\n");
    const IniFile ini(file);
    for (const char* key : {"a", "b", "c", "d", "e", "missing"})
        EXPECT_EQ(ini.readInteger("S", key, 77), profileInteger(file, "S", key, 77)) << key;
}

// Our decided difference: the profile functions drop a pair of quotes around a value, and an
// argument written in quotes would come back without them.
TEST(IniProfile, QuotesAreKeptWhereTheProfileFunctionsDropThem) {
    TempFolder folder;
    const std::string file =
        folder.write("quotes.ini", "[Key57]\r\nArgument=\"C:\\My Files\\a.txt\"\r\nx='a'\r\n");
    const IniFile ini(file);
    EXPECT_EQ(ini.readString("Key57", "Argument", none), "\"C:\\My Files\\a.txt\"");
    EXPECT_EQ(profileString(file, "Key57", "Argument"), "C:\\My Files\\a.txt");
    EXPECT_EQ(ini.readString("Key57", "x", none), "'a'");
    EXPECT_EQ(profileString(file, "Key57", "x"), "a");
}

// Values are ASCII: we write UTF-8, which the profile functions read in the ANSI code page.
TEST(IniProfile, FileWrittenByUsReadsBackThroughTheProfileFunctions) {
    TempFolder folder;
    const std::string file =
        folder.write("setting.ini", "; by hand\r\n[Position]\r\nx=1\r\n[Foreign]\r\nz=keep\r\n");
    IniFile ini(file);
    ini.writeInteger("Position", "x", 172);
    ini.writeInteger("Position", "y", -5);
    ini.writeString("Position", "Mask", "C:\\Marlowin\\Skin/WoodEN.jpg");
    ini.writeInteger("Setting", "TimeExe", 1000);
    ini.writeBool("Setting", "inAutoRun", false);
    ini.writeInteger("setting", "BackgroundColorLabel", 0xFFFFFF);
    ini.writeString("Key57", "Argument", "");
    ASSERT_TRUE(ini.save());

    EXPECT_EQ(profileSectionNames(file),
              (std::vector<std::string>{"Position", "Foreign", "Setting", "Key57"}));
    EXPECT_EQ(profileInteger(file, "Position", "x", 0), 172);
    EXPECT_EQ(profileInteger(file, "Position", "y", 0), -5);
    EXPECT_EQ(profileString(file, "Position", "Mask"), "C:\\Marlowin\\Skin/WoodEN.jpg");
    EXPECT_EQ(profileInteger(file, "Setting", "TimeExe", 0), 1000);
    EXPECT_EQ(profileInteger(file, "Setting", "inAutoRun", 1), 0);
    EXPECT_EQ(profileInteger(file, "Setting", "BackgroundColorLabel", 0), 0xFFFFFF);
    EXPECT_EQ(profileString(file, "Key57", "Argument"), "");
    EXPECT_EQ(profileString(file, "Foreign", "z"), "keep");
}

TEST(IniProfile, FileWrittenByTheProfileFunctionsReadsBackThroughUs) {
    TempFolder folder;
    const std::string file = folder.file("setting.ini");
    profileWrite(file, "Position", "x", "172");
    profileWrite(file, "Setting", "TimeExe", "1000");
    profileWrite(file, "setting", "ColorLabel", "255");
    profileWrite(file, "Key57", "Argument", "\"a b\"");
    const IniFile ini(file);
    EXPECT_EQ(ini.readInteger("Position", "x", 0), 172);
    EXPECT_EQ(ini.readInteger("Setting", "TimeExe", 0), 1000);
    EXPECT_EQ(ini.readInteger("Setting", "ColorLabel", 0), 255);
    EXPECT_EQ(ini.readString("Key57", "Argument", none), "\"a b\"");
}

// Notepad's "Unicode": the profile functions keep writing such a file in UTF-16.
TEST(IniProfile, Utf16FileWrittenByTheProfileFunctionsReadsBackThroughUs) {
    TempFolder folder;
    const std::string file = folder.write("unicode.ini", bytesOf(u"[Key0]\r\n"));
    profileWrite(file, "Key0", "Title", "Эскейп");
    profileWrite(file, "Skin_1", "Title", "Дерево");
    const IniFile ini(file);
    EXPECT_EQ(ini.readString("Key0", "Title", none), "Эскейп");
    EXPECT_EQ(ini.readString("skin_1", "title", none), "Дерево");
}

struct Change {
    const char* name;
    const char* section;
    const char* key; // null: erase the section
    const char* value;
};

const Change changes[] = {
    {"ReplaceInTheFirstOfTwoSections", "s", "k", "9"},
    {"NewKeyInASection", "B", "new", "5"},
    {"NewSection", "Key3", "Title", "t"},
    {"EraseASection", "B", nullptr, nullptr},
    {"EraseAMissingSection", "none", nullptr, nullptr},
};

class SameChanges : public ::testing::TestWithParam<Change> {};

// Our decided difference: the profile functions erase only the first of two same-named sections,
// so the second one (a cleared key's stale twin, say) would be read in its place.
TEST(IniProfile, ErasingRemovesTwinSectionsThatTheProfileFunctionsLeave) {
    const std::string content = "[S]\r\nk=1\r\n[B]\r\ny=2\r\n[s]\r\nk=2\r\n";
    TempFolder folder;
    const std::string ours = folder.write("ours.ini", content);
    const std::string theirs = folder.write("theirs.ini", content);
    IniFile ini(ours);
    ini.eraseSection("s");
    ASSERT_TRUE(ini.save());
    profileWrite(theirs, "s", nullptr, nullptr);
    EXPECT_EQ(profileString(theirs, "S", "k"), "2");
    EXPECT_EQ(profileString(ours, "S", "k"), none);
    EXPECT_EQ(profileString(ours, "B", "y"), "2");
}

// The same change made by us and by the profile functions reads the same, by either reader.
TEST_P(SameChanges, AsTheProfileFunctions) {
    const Change& change = GetParam();
    const std::string content = "[A]\r\nx=1\r\n[S]\r\nk=1\r\n[B]\r\ny=2\r\n[s]\r\nk=2\r\nz=3\r\n";
    TempFolder folder;
    const std::string ours = folder.write("ours.ini", content);
    const std::string theirs = folder.write("theirs.ini", content);

    IniFile ini(ours);
    if (change.key)
        ini.writeString(change.section, change.key, change.value);
    else
        ini.eraseSection(change.section);
    ASSERT_TRUE(ini.save());
    profileWrite(theirs, change.section, change.key, change.value);

    const Query queries[] = {{"A", "x"}, {"S", "k"}, {"S", "z"}, {"B", "y"}, {"B", "new"}, {"Key3", "Title"}};
    for (const auto& [section, key] : queries) {
        const std::string expected = profileString(theirs, section, key);
        EXPECT_EQ(IniFile(theirs).readString(section, key, none), expected) << section << " " << key;
        EXPECT_EQ(IniFile(ours).readString(section, key, none), expected) << section << " " << key;
        EXPECT_EQ(profileString(ours, section, key), expected) << section << " " << key;
    }
}

INSTANTIATE_TEST_SUITE_P(IniProfile, SameChanges, ::testing::ValuesIn(changes),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
