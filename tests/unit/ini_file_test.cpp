#include "platform/file_system.h"
#include "platform/ini_file.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;

Bytes bytesOf(std::string_view text) {
    return Bytes(text.begin(), text.end());
}

IniFile iniOf(std::string_view text) {
    return IniFile::fromBytes(bytesOf(text));
}

Bytes utf16(std::u16string_view text, bool bigEndian) {
    Bytes bytes = bigEndian ? Bytes{0xFE, 0xFF} : Bytes{0xFF, 0xFE};
    for (const char16_t unit : text) {
        const unsigned char high = unit >> 8, low = unit & 0xFF;
        bytes.insert(bytes.end(), bigEndian ? std::initializer_list<unsigned char>{high, low}
                                            : std::initializer_list<unsigned char>{low, high});
    }
    return bytes;
}

const std::string missing = "<missing>";

struct ReadCase {
    const char* name;
    std::string file;
    const char* section;
    const char* key;
    std::string expected;
};

const std::string longValue(3000, 'a');
const std::string longCyrillic = [] {
    std::string text;
    for (int i = 0; i < 3000; ++i)
        text += "я";
    return text;
}();

const ReadCase readCases[] = {
    {"NamesInAnyCase", "[Position]\r\nMask=a.jpg\r\n", "POSITION", "mask", "a.jpg"},
    {"CyrillicNamesInAnyCase", "[Ёлка]\r\nИмя=1\r\n", "ёЛКА", "иМЯ", "1"},
    {"SectionFoundWhereverItStands", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n[c]\r\nz=3\r\n", "b", "y", "2"},
    {"KeysBelongToTheirSection", "[a]\r\nx=1\r\n[b]\r\ny=2\r\n", "b", "x", missing},
    {"FirstOfTwoSectionsWins", "[S]\r\nx=1\r\n[s]\r\nx=2\r\n", "s", "x", "1"},
    {"SecondOfTwoSectionsIsNotRead", "[S]\r\nx=1\r\n[s]\r\ny=2\r\n", "S", "y", missing},
    {"FirstOfTwoKeysWins", "[S]\r\nx=1\r\nX=2\r\n", "S", "x", "1"},
    {"BlanksAroundNamesAndValues", "  [ S ]  \r\n\t key \t=\t v a l \t\r\n", " S ", "key ", "v a l"},
    {"TextAfterTheBracketIgnored", "[S] old name\r\nx=1\r\n", "S", "x", "1"},
    {"CommentIsNoKey", "[S]\r\n;x=1\r\n", "S", ";x", missing},
    {"CommentSkipped", "[S]\r\n; x=1\r\nx=2\r\n", "S", "x", "2"},
    {"DoubleQuotesKept", "[S]\r\nArgument=\"C:\\My Files\\a.txt\"\r\n", "S", "Argument",
     "\"C:\\My Files\\a.txt\""},
    {"SingleQuotesKept", "[S]\r\nx='a'\r\n", "S", "x", "'a'"},
    {"EqualsInTheValue", "[S]\r\nx=a=b\r\n", "S", "x", "a=b"},
    {"EmptyValueIsNotMissing", "[S]\r\nx=\r\n", "S", "x", ""},
    {"KeyWithoutEqualsIsMissing", "[S]\r\nx\r\n", "S", "x", missing},
    {"LinesBeforeTheFirstSectionBelongToNone", "x=1\r\n[S]\r\ny=2\r\n", "S", "x", missing},
    {"MissingSection", "[S]\r\nx=1\r\n", "T", "x", missing},
    {"LfAndLoneCrEndLines", "[S]\rx=1\ny=2", "S", "y", "2"},
    {"EndOfFileMarkIsABlank", "[S]\r\nx=v\x1A\r\n", "S", "x", "v"},
    {"LongValueCutAt2047", "[S]\r\nx=" + longValue + "\r\n", "S", "x", std::string(2047, 'a')},
    {"LongValueCutAt2047Characters", "[S]\r\nx=" + longCyrillic + "\r\n", "S", "x",
     longCyrillic.substr(0, 2 * 2047)},
    {"CutNeverSplitsASurrogatePair", "[S]\r\nx=" + std::string(2046, 'a') + "\xF0\x9F\x98\x80" + "\r\n", "S",
     "x", std::string(2046, 'a')},
    {"Utf8WithoutBom", "[S]\r\nx=Блокнот\r\n", "S", "x", "Блокнот"},
    {"Utf8WithBom", "\xEF\xBB\xBF[S]\r\nx=Блокнот\r\n", "S", "x", "Блокнот"},
    {"AnsiCyrillicAsWindows1251", "[S]\r\nx=\xC1\xEB\xEE\xEA\xED\xEE\xF2 \xA8\xB8\xB9\r\n", "S", "x",
     "Блокнот Ёё№"},
    {"AnsiWhereOneByteIsNotUtf8", "[S]\r\nx=Блокнот \xE9\r\n", "S", "x", "Р‘Р»РѕРєРЅРѕС‚ й"},
};

void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.name;
}

class Reading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(Reading, GivesTheValueOrTheFallback) {
    const ReadCase& c = GetParam();
    const IniFile ini = iniOf(c.file);
    EXPECT_EQ(ini.readString(c.section, c.key, missing), c.expected);
    EXPECT_EQ(ini.valueExists(c.section, c.key), c.expected != missing);
}

INSTANTIATE_TEST_SUITE_P(IniFile, Reading, ::testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileReading, Utf16WithByteOrderMarkInBothOrders) {
    for (const bool bigEndian : {false, true}) {
        const IniFile ini =
            IniFile::fromBytes(utf16(u"[Setting]\r\nTitle=Блокнот \U0001F600\r\n", bigEndian));
        EXPECT_EQ(ini.readString("setting", "title", missing), "Блокнот \xF0\x9F\x98\x80") << bigEndian;
        EXPECT_EQ(ini.text(), "[Setting]\r\nTitle=Блокнот \xF0\x9F\x98\x80\r\n") << "written back as UTF-8";
    }
}

TEST(IniFileReading, SectionExistsByTheFirstOfItsName) {
    const IniFile ini = iniOf("x=1\r\n[Key57]\r\n[main]\r\nflag\r\n");
    EXPECT_TRUE(ini.sectionExists("KEY57"));
    EXPECT_TRUE(ini.sectionExists("Main"));
    EXPECT_FALSE(ini.sectionExists("Key5"));
    EXPECT_FALSE(ini.valueExists("main", "flag"));
}

struct IntegerCase {
    const char* text;
    int expected;
};

constexpr int fallback = -7;

const IntegerCase integerCases[] = {
    {"1000", 1000},
    {"-5", -5},
    {"0", 0},
    {" 42 ", 42},
    {"$3E8", 1000},
    {"0x3E8", 1000},
    {"0X3e8", 1000},
    {"$00000000FF", 255},
    {"$FFFFFFFF", -1},
    {"2147483647", 2147483647},
    {"-2147483648", -2147483647 - 1},
    {"2147483648", fallback},
    {"-2147483649", fallback},
    {"$100000000", fallback},
    {"12abc", fallback},
    {"abc", fallback},
    {"", fallback},
    {"$", fallback},
    {"0x", fallback},
    {"$-1", fallback},
    {"-$10", fallback},
    {"1.5", fallback},
    {"1 000", fallback},
    {"- 5", fallback},
};

TEST(IniFileReading, Integers) {
    for (const IntegerCase& c : integerCases) {
        const IniFile ini = iniOf(std::string("[Setting]\r\nTimeExe=") + c.text + "\r\n");
        EXPECT_EQ(ini.readInteger("Setting", "TimeExe", fallback), c.expected) << '"' << c.text << '"';
    }
    EXPECT_EQ(iniOf("").readInteger("Setting", "TimeExe", fallback), fallback);
}

TEST(IniFileReading, BooleansAreIntegers) {
    const IniFile ini =
        iniOf("[S]\r\none=1\r\nzero=0\r\ntwo=2\r\nminus=-1\r\nhexZero=0x0\r\nyes=yes\r\nnone=\r\n");
    for (const bool whenMissing : {false, true}) {
        EXPECT_TRUE(ini.readBool("S", "one", whenMissing));
        EXPECT_FALSE(ini.readBool("S", "zero", whenMissing));
        EXPECT_TRUE(ini.readBool("S", "two", whenMissing));
        EXPECT_TRUE(ini.readBool("S", "minus", whenMissing));
        EXPECT_FALSE(ini.readBool("S", "hexZero", whenMissing));
        EXPECT_EQ(ini.readBool("S", "yes", whenMissing), whenMissing);
        EXPECT_EQ(ini.readBool("S", "none", whenMissing), whenMissing);
        EXPECT_EQ(ini.readBool("S", "absent", whenMissing), whenMissing);
    }
}

struct WriteCase {
    const char* name;
    std::string before;
    std::function<void(IniFile&)> change;
    std::string after;
};

const WriteCase writeCases[] = {
    {"ReplacesAValueKeepingTheNameAsSpelled", "[Setting]\r\n  TimeExe = 1 \r\n",
     [](IniFile& ini) { ini.writeInteger("setting", "timeexe", 500); }, "[Setting]\r\nTimeExe=500\r\n"},
    {"WritesToTheFirstOfTwoKeys", "[S]\r\nx=1\r\nx=2\r\n",
     [](IniFile& ini) { ini.writeString("S", "x", "9"); }, "[S]\r\nx=9\r\nx=2\r\n"},
    {"WritesToTheFirstOfTwoSections", "[S]\r\na=1\r\n[s]\r\nb=2\r\n",
     [](IniFile& ini) { ini.writeString("s", "b", "3"); }, "[S]\r\na=1\r\nb=3\r\n[s]\r\nb=2\r\n"},
    {"NewKeyAtTheEndOfItsSection", "[S]\r\na=1\r\n; note\r\n\r\n[T]\r\nc=3\r\n",
     [](IniFile& ini) { ini.writeString("S", "b", "2"); },
     "[S]\r\na=1\r\n; note\r\nb=2\r\n\r\n[T]\r\nc=3\r\n"},
    {"NewKeyInAnEmptySection", "[S]\r\n[T]\r\n", [](IniFile& ini) { ini.writeString("S", "a", "1"); },
     "[S]\r\na=1\r\n[T]\r\n"},
    {"NewSectionAtTheEndOfTheFile", "; top\r\n[S]\r\na=1",
     [](IniFile& ini) { ini.writeString("Key57", "FileExeName", "C:\\a.exe"); },
     "; top\r\n[S]\r\na=1\r\n[Key57]\r\nFileExeName=C:\\a.exe\r\n"},
    {"SettingAndSettingAreOneSection", "[Setting]\r\nTimeExe=1000\r\n[Key1]\r\n",
     [](IniFile& ini) {
         ini.writeInteger("Setting", "CountSkin", 2);
         ini.writeInteger("setting", "ColorLabel", 255);
     },
     "[Setting]\r\nTimeExe=1000\r\nCountSkin=2\r\nColorLabel=255\r\n[Key1]\r\n"},
    {"IntegersInDecimalBooleansAsOneAndZero", "",
     [](IniFile& ini) {
         ini.writeInteger("S", "x", -5);
         ini.writeInteger("S", "c", 0xFFFFFF);
         ini.writeBool("S", "t", true);
         ini.writeBool("S", "f", false);
     },
     "[S]\r\nx=-5\r\nc=16777215\r\nt=1\r\nf=0\r\n"},
    {"LineEndsBecomeCrLf", "[S]\na=1\rb=2\n", [](IniFile& ini) { ini.writeString("S", "c", "3"); },
     "[S]\r\na=1\r\nb=2\r\nc=3\r\n"},
    {"ValueEndsAtItsFirstLineBreak", "", [](IniFile& ini) { ini.writeString("S", "x", "a\r\n[T]\r\ny=1"); },
     "[S]\r\nx=a\r\n"},
    {"EraseRemovesEverySectionOfTheNameWithItsKeys",
     "[A]\r\nx=1\r\n[S]\r\nk=1\r\n; c\r\n\r\n[B]\r\ny=2\r\n[s]\r\nk=2\r\n",
     [](IniFile& ini) { ini.eraseSection("s"); }, "[A]\r\nx=1\r\n[B]\r\ny=2\r\n"},
    {"EraseOfAMissingSectionKeepsAll", "[A]\r\nx=1\r\n", [](IniFile& ini) { ini.eraseSection("B"); },
     "[A]\r\nx=1\r\n"},
    {"EraseOfTheLastSection", "[A]\r\nx=1\r\n[Key3]\r\nTitle=t",
     [](IniFile& ini) { ini.eraseSection("Key3"); }, "[A]\r\nx=1\r\n"},
};

void PrintTo(const WriteCase& c, std::ostream* out) {
    *out << c.name;
}

class Writing : public ::testing::TestWithParam<WriteCase> {};

TEST_P(Writing, ChangesOnlyWhatIsWritten) {
    const WriteCase& c = GetParam();
    IniFile ini = iniOf(c.before);
    c.change(ini);
    EXPECT_EQ(ini.text(), c.after);
}

INSTANTIATE_TEST_SUITE_P(IniFile, Writing, ::testing::ValuesIn(writeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileWriting, ForeignContentKeptInItsOrder) {
    const std::string before = "; made by hand\r\n"
                               "[Position]\r\nx=10\r\nmine = keep me\r\n\r\n"
                               "[Foreign]\r\n; its comment\r\nz=\"q\"\r\n"
                               "[Setting]\r\nTimeExe=1000\r\n";
    IniFile ini = iniOf(before);
    ini.writeInteger("Position", "x", 20);
    ini.writeInteger("Position", "y", 30);
    ini.writeInteger("SETTING", "TimeExe", 800);
    ini.writeString("Skin_1", "Title", "Дерево");
    EXPECT_EQ(ini.text(), "; made by hand\r\n"
                          "[Position]\r\nx=20\r\nmine = keep me\r\ny=30\r\n\r\n"
                          "[Foreign]\r\n; its comment\r\nz=\"q\"\r\n"
                          "[Setting]\r\nTimeExe=800\r\n"
                          "[Skin_1]\r\nTitle=Дерево\r\n");
}

TEST(IniFileWriting, WhatIsWrittenReadsBack) {
    const std::string quoted = "\"C:\\My Files\\a.txt\"";
    const struct {
        std::string written, read;
    } cases[] = {
        {quoted, quoted},
        {"Блокнот", "Блокнот"},
        {"  padded\t", "padded"},
        {"", ""},
        {"a;b=c [d]", "a;b=c [d]"},
        {longValue, std::string(2047, 'a')},
        {"bad \xFF byte", "bad \xEF\xBF\xBD byte"},
    };
    for (const auto& c : cases) {
        IniFile ini = iniOf("[Key1]\r\nArgument=old\r\n");
        ini.writeString("Key1", "Argument", c.written);
        ini.writeString("Key2", "Argument", c.written);
        EXPECT_EQ(ini.readString("Key1", "Argument", missing), c.read);
        EXPECT_EQ(ini.readString("Key2", "Argument", missing), c.read);
        const IniFile reread = IniFile::fromBytes(bytesOf(ini.text()));
        EXPECT_EQ(reread.readString("Key1", "Argument", missing), c.read);
        EXPECT_EQ(reread.readString("Key2", "Argument", missing), c.read);
    }
}

TEST(IniFileWriting, UntouchedUtf8CrLfFileIsByteIdentical) {
    const std::string file = "; settings\r\n"
                             "\r\n"
                             "[Position]\r\n"
                             "  x = 172 \r\n"
                             "Mask=C:\\Marlowin\\Skin/WoodEN.jpg\r\n"
                             "SkinName=Дерево\r\n"
                             "[setting]\r\n"
                             "\tTimeExe=$3E8\r\n"
                             "odd line without equals\r\n"
                             "[Setting]\r\n"
                             "dup=1\r\n"
                             "[Key57]\r\n"
                             "Argument=\"a b\"\r\n";
    IniFile ini = iniOf(file);
    EXPECT_EQ(ini.text(), file);
    ini.writeString("Position", "Mask", "C:\\Marlowin\\Skin/WoodEN.jpg");
    ini.writeString("Key57", "Argument", "\"a b\"");
    EXPECT_EQ(ini.text(), file) << "the same values written again";
}

// A folder of its own under the temp folder, removed with all in it.
class IniFileOnDisk : public ::testing::Test {
  protected:
    IniFileOnDisk() {
        static int made = 0;
        folder = fs::temp_directory_path() /
                 ("ini_file_test-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    ~IniFileOnDisk() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }

    std::string path(const std::string& name) const { return (folder / name).string(); }
    std::string write(const std::string& name, std::string_view content) const {
        std::ofstream(path(name), std::ios::binary) << content;
        return path(name);
    }
    static std::string contentOf(const std::string& file) {
        const auto bytes = readWholeFile(file);
        return bytes ? std::string(bytes->begin(), bytes->end()) : missing;
    }
    static void makeReadOnly(const std::string& file) {
        fs::permissions(file, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

    fs::path folder;
};

TEST_F(IniFileOnDisk, SaveWritesTheTextAndAnotherOpenReadsIt) {
    const std::string file = write("setting.ini", "[Position]\nx=1\n");
    IniFile ini(file);
    EXPECT_EQ(ini.path(), file);
    ini.writeInteger("Position", "x", 2);
    ini.writeString("Key0", "Title", "Эскейп");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(contentOf(file), "[Position]\r\nx=2\r\n[Key0]\r\nTitle=Эскейп\r\n");
    EXPECT_FALSE(fs::exists(temporaryPath(file)));
    EXPECT_EQ(IniFile(file).readString("key0", "title", missing), "Эскейп");
}

TEST_F(IniFileOnDisk, MissingFileReadsAsEmptyAndTheFirstSaveCreatesIt) {
    const std::string file = path("setting.ini");
    IniFile ini(file);
    EXPECT_EQ(ini.readInteger("Setting", "TimeExe", 1000), 1000);
    EXPECT_TRUE(ini.save()) << "nothing to write";
    EXPECT_FALSE(fs::exists(file));
    ini.writeInteger("Setting", "TimeExe", 1000);
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(contentOf(file), "[Setting]\r\nTimeExe=1000\r\n");
}

TEST_F(IniFileOnDisk, SaveWithNothingChangedDoesNotWrite) {
    const std::string file = write("setting.ini", "[S]\r\nx=1\r\n");
    IniFile ini(file);
    ini.writeString("S", "x", "1");
    ini.eraseSection("absent");
    fs::remove(file);
    EXPECT_TRUE(ini.save());
    EXPECT_FALSE(fs::exists(file));

    ini.writeString("S", "x", "2");
    ASSERT_TRUE(ini.save());
    fs::remove(file);
    EXPECT_TRUE(ini.save()) << "saved already";
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(IniFileOnDisk, FailedSaveLeavesTheOldFileWholeAndTriesAgainNextTime) {
    const std::string old = "[S]\r\nx=1\r\n";
    const std::string file = write("setting.ini", old);
    IniFile ini(file);
    ini.writeString("S", "x", "2");
    makeReadOnly(file);
    EXPECT_FALSE(ini.save());
    EXPECT_EQ(contentOf(file), old);
    EXPECT_FALSE(fs::exists(temporaryPath(file)));

    fs::permissions(file, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_TRUE(ini.save());
    EXPECT_EQ(contentOf(file), "[S]\r\nx=2\r\n");
}

TEST_F(IniFileOnDisk, ReplaceFileKeepsTheOldFileWholeWhenItCannotWrite) {
    const Bytes replacement = bytesOf("new\r\n");
    const std::string old = "old\r\n";

    const std::string readOnly = write("read-only.ini", old);
    makeReadOnly(readOnly);
    EXPECT_FALSE(replaceFile(readOnly, replacement));
    EXPECT_EQ(contentOf(readOnly), old);
    EXPECT_FALSE(fs::exists(temporaryPath(readOnly)));

    const std::string blocked = write("blocked.ini", old);
    fs::create_directory(temporaryPath(blocked));
    EXPECT_FALSE(replaceFile(blocked, replacement)) << "a folder where the temporary file goes";
    EXPECT_EQ(contentOf(blocked), old);

    const std::string folderInTheWay = path("folder.ini");
    fs::create_directory(folderInTheWay);
    EXPECT_FALSE(replaceFile(folderInTheWay, replacement));
    EXPECT_TRUE(fs::is_directory(folderInTheWay));
    EXPECT_FALSE(fs::exists(temporaryPath(folderInTheWay)));

    EXPECT_FALSE(replaceFile(path("no such folder/a.ini"), replacement));
    EXPECT_FALSE(replaceFile("", replacement));
}

TEST_F(IniFileOnDisk, ReplaceFileKeepsTheFileMode) {
    const std::string file = write("setting.ini", "old");
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(replaceFile(file, bytesOf("new")));
    EXPECT_EQ(contentOf(file), "new");
    EXPECT_EQ(fs::status(file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(IniFileOnDisk, MissingFileIsRecoveredFromAWholeTemporaryFile) {
    const std::string file = path("setting.ini");
    write("setting.ini.tmp", "[Setting]\r\nTimeExe=750\r\n");
    IniFile ini(file);
    EXPECT_EQ(ini.readInteger("Setting", "TimeExe", 1000), 750);
    ASSERT_TRUE(ini.save()) << "puts the recovered text in place";
    EXPECT_EQ(contentOf(file), "[Setting]\r\nTimeExe=750\r\n");
    EXPECT_FALSE(fs::exists(temporaryPath(file)));
}

TEST_F(IniFileOnDisk, TemporaryFileIsIgnoredWhenCutShortOrWhenTheFileIsThere) {
    const std::string cut = path("cut.ini");
    write("cut.ini.tmp", "[Setting]\r\nTimeExe=75");
    EXPECT_EQ(IniFile(cut).readInteger("Setting", "TimeExe", 1000), 1000);

    const std::string present = write("present.ini", "[Setting]\r\nTimeExe=500\r\n");
    write("present.ini.tmp", "[Setting]\r\nTimeExe=750\r\n");
    IniFile ini(present);
    EXPECT_EQ(ini.readInteger("Setting", "TimeExe", 1000), 500);
    EXPECT_TRUE(ini.save());
    EXPECT_EQ(contentOf(present), "[Setting]\r\nTimeExe=500\r\n");
}

TEST_F(IniFileOnDisk, WindowsSeparatorsInThePath) {
    write("setting.ini", "[S]\r\nx=1\r\n");
    const std::string file = folder.string() + "\\setting.ini";
    IniFile ini(file);
    EXPECT_EQ(ini.readString("S", "x", missing), "1");
    ini.writeString("S", "x", "2");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(contentOf(path("setting.ini")), "[S]\r\nx=2\r\n");
}

} // namespace
