#include "fake_shell.h"
#include "keyboard/hot_key.h"

#include <gtest/gtest.h>

namespace {

using Op = MemoryCanvas::Op;

class HotKeyTest : public ::testing::Test {
  protected:
    FakeShell shell;
    std::string programDir = "D:\\Marlowin\\";
    HotKey key;
    Color ink = 0x0000FF, back = 0xFFFFFF;

    void SetUp() override {
        key.shell = &shell;
        key.programDir = &programDir;
        key.labelColor = &ink;
        key.labelBackColor = &back;
        shell.files.insert("D:\\Marlowin\\icons\\computadora.ico");
        shell.icons.insert("D:\\Marlowin\\icons\\computadora.ico|0");
    }
    std::string iconTag() const { return FakeShell::tagOf(key.icon.get()); }
};

} // namespace

TEST(FolderPart, TakesTheFolderOfAPath) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Prog\\app.exe", "C:\\Prog"},
        {"C:\\app.exe", "C:\\"},
        {"C:\\Prog\\", "C:\\Prog"},
        {"C:\\Prog", "C:\\"},
        {"app.exe", ""},
        {"C:", "C:"},
        {"\\\\srv\\share\\a.txt", "\\\\srv\\share"},
        {"\\a.txt", "\\"},
        {"C:\\\\x", "C:\\\\"},
    };
    for (auto [path, folder] : cases)
        EXPECT_EQ(folderPart(path), folder) << path;
}

TEST(SplitColor, GivesRedGreenBlue) {
    EXPECT_EQ(splitColor(0x00336699), (Rgb{0x99, 0x66, 0x33}));
    EXPECT_EQ(splitColor(0xFF000000), (Rgb{0, 0, 0}));
}

TEST_F(HotKeyTest, BindsAProgramWithItsFolderAsWorkingFolder) {
    shell.files.insert("C:\\Prog\\app.exe");
    shell.icons.insert("C:\\Prog\\app.exe|0");
    shell.displayNames["C:\\Prog\\app.exe"] = "App";
    key.arguments = "old";
    key.bind("C:\\Prog\\app.exe", "C:\\Prog\\app.exe");
    EXPECT_EQ(key.target, "C:\\Prog\\app.exe");
    EXPECT_EQ(key.workDir, "C:\\Prog\\");
    EXPECT_EQ(key.arguments, "");
    EXPECT_EQ(key.iconSource, "C:\\Prog\\app.exe");
    EXPECT_EQ(key.title, "App");
    EXPECT_EQ(iconTag(), "C:\\Prog\\app.exe|0");
}

TEST_F(HotKeyTest, BindTable) {
    shell.files = {"C:\\app.exe",           "C:\\Links\\a.lnk",
                   "C:\\Links\\b.LNK",      "C:\\Links\\shellitem.Lnk",
                   "C:\\Links\\broken.lnk", "D:\\Marlowin\\icons\\computadora.ico"};
    shell.folders = {"C:\\Docs"};
    shell.shortcuts["C:\\Links\\a.lnk"] = "C:\\Tools\\t.exe";
    shell.shortcuts["C:\\Links\\b.LNK"] = "C:\\Tools\\t.exe";
    shell.shortcuts["C:\\Links\\shellitem.Lnk"] = "";
    shell.icons.insert({"C:\\app.exe|0", "C:\\Tools\\t.exe|0", "C:\\Windows\\system32\\SHELL32.dll|3",
                        "C:\\Links\\shellitem.Lnk"});
    struct Case {
        const char* file;
        const char* dirSource;
        const char* workDir;
        const char* iconSource;
        const char* icon;
    };
    const Case cases[] = {
        {"C:\\app.exe", "C:\\app.exe", "C:\\", "C:\\app.exe", "C:\\app.exe|0"},
        {"C:\\Docs", "", "", folderIconSource, "C:\\Windows\\system32\\SHELL32.dll|3"},
        {"C:\\Links\\a.lnk", "C:\\Links\\a.lnk", "", "C:\\Tools\\t.exe", "C:\\Tools\\t.exe|0"},
        {"C:\\Links\\b.LNK", "C:\\Links\\b.LNK", "", "C:\\Tools\\t.exe", "C:\\Tools\\t.exe|0"},
        // A shortcut to a shell item shows the shortcut's own icon.
        {"C:\\Links\\shellitem.Lnk", "", "", "C:\\Links\\shellitem.Lnk", "C:\\Links\\shellitem.Lnk"},
        // An unreadable shortcut falls back to the default icon.
        {"C:\\Links\\broken.lnk", "", "", defaultIconSource, "D:\\Marlowin\\icons\\computadora.ico|0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        HotKey fresh;
        fresh.shell = &shell;
        fresh.programDir = &programDir;
        fresh.arguments = "stale";
        fresh.bind(c.file, c.dirSource);
        EXPECT_EQ(fresh.target, c.file);
        EXPECT_EQ(fresh.title, c.file); // no display name: the path
        EXPECT_EQ(fresh.workDir, c.workDir);
        EXPECT_EQ(fresh.arguments, "");
        EXPECT_EQ(fresh.iconSource, c.iconSource);
        EXPECT_EQ(FakeShell::tagOf(fresh.icon.get()), c.icon);
    }
}

TEST_F(HotKeyTest, MissingTargetStaysBoundAndKeepsItsIconSource) {
    shell.files.insert("C:\\old.exe");
    shell.icons.insert("C:\\old.exe|0");
    key.bind("C:\\old.exe", "");
    shell.files.erase("C:\\old.exe");
    key.bind("C:\\gone\\new.exe", "C:\\gone\\new.exe");
    EXPECT_EQ(key.target, "C:\\gone\\new.exe");
    EXPECT_EQ(key.title, "C:\\gone\\new.exe");
    EXPECT_EQ(key.workDir, "C:\\gone\\");
    EXPECT_EQ(key.iconSource, "C:\\old.exe");

    shell.icons.clear();
    key.bind("C:\\gone\\new.exe", "");
    EXPECT_EQ(key.iconSource, ""); // neither its icon nor the default icon: no icon at all
    EXPECT_EQ(key.icon, nullptr);
}

TEST_F(HotKeyTest, IconSources) {
    shell.folders.insert("C:\\Docs");
    shell.icons = {"C:\\Windows\\system32\\SHELL32.dll|3",
                   "C:\\Windows\\system32\\SHELL32.dll|12",
                   "C:\\p.exe|0",
                   "C:\\doc.txt",
                   "C:\\noicon.dll",
                   "C:\\i.ico|0",
                   "C:\\c.cpl|1"};
    const std::pair<const char*, const char*> cases[] = {
        {"%SystemRoot%\\system32\\SHELL32.dll?3", "C:\\Windows\\system32\\SHELL32.dll|3"},
        {"C:\\Windows\\system32\\SHELL32.dll?12", "C:\\Windows\\system32\\SHELL32.dll|12"},
        {"C:\\p.exe", "C:\\p.exe|0"},
        {"C:\\P.EXE", ""}, // paths are the shell's to compare; this one has no icon
        {"C:\\i.ico", "C:\\i.ico|0"},
        {"C:\\c.cpl?1", "C:\\c.cpl|1"},
        {"C:\\doc.txt", "C:\\doc.txt"},       // the shell's icon for the file's type
        {"C:\\noicon.dll", "C:\\noicon.dll"}, // no icon inside: the shell's icon
        {"C:\\p.exe?", ""},
        {"C:\\p.exe?x", ""},
        {"C:\\p.exe?-1", ""},
        {"C:\\p.exe?99999999999", ""},
        {"C:\\Docs", ""},
    };
    for (auto [source, tag] : cases) {
        SCOPED_TRACE(source);
        EXPECT_EQ(key.loadIcon(source), *tag != 0);
        EXPECT_EQ(iconTag(), tag);
    }
}

TEST_F(HotKeyTest, SetIconFallsBackToTheDefaultIconOfTheProgramFolder) {
    key.setIcon("C:\\missing.ico");
    EXPECT_EQ(key.iconSource, "icons/computadora.ico");
    EXPECT_EQ(iconTag(), "D:\\Marlowin\\icons\\computadora.ico|0");

    shell.icons.insert("C:\\ok.ico|0");
    key.setIcon("C:\\ok.ico");
    EXPECT_EQ(key.iconSource, "C:\\ok.ico");
}

TEST_F(HotKeyTest, SetTargetTakesTheDisplayNameOrThePath) {
    shell.displayNames["C:\\a.txt"] = "a";
    key.setTarget("C:\\a.txt");
    EXPECT_EQ(key.title, "a");
    key.setTarget("C:\\b.txt");
    EXPECT_EQ(key.title, "C:\\b.txt");
    key.setTarget("");
    EXPECT_EQ(key.target, "");
    EXPECT_EQ(key.title, "C:\\b.txt");
}

TEST_F(HotKeyTest, LaunchStartsOnlyABoundTarget) {
    key.launch();
    EXPECT_TRUE(shell.starts.empty());
    key.target = "C:\\p.exe";
    key.arguments = "\"C:\\My Files\\a.txt\"";
    key.workDir = "C:\\";
    key.launch();
    ASSERT_EQ(shell.starts.size(), 1u);
    EXPECT_EQ(shell.starts[0], (FakeShell::Start{"C:\\p.exe", "\"C:\\My Files\\a.txt\"", "C:\\", 1}));
}

TEST_F(HotKeyTest, PlaceCutsThePatchAndClearKeepsIt) {
    Bitmap skin(10, 10);
    skin.setPixel(8, 9, 0x123456);
    key.place(8, 9, 4, 3, 2, 2, 0x41, true, skin);
    EXPECT_EQ(key.patch.width(), 4);
    EXPECT_EQ(key.patch.height(), 3);
    EXPECT_EQ(key.patch.pixel(0, 0), 0x123456u);
    EXPECT_EQ(key.patch.pixel(3, 2), 0u); // beyond the skin: black

    shell.icons.insert("C:\\p.exe|0");
    key.target = "C:\\p.exe";
    key.title = "p";
    key.workDir = "C:\\";
    key.setIcon("C:\\p.exe");
    key.clear();
    EXPECT_TRUE(key.target.empty() && key.title.empty() && key.workDir.empty() && key.iconSource.empty());
    EXPECT_EQ(key.icon, nullptr);
    EXPECT_EQ(key.code, 0x41u);
    EXPECT_TRUE(key.bindable);
    EXPECT_EQ(key.patch.pixel(0, 0), 0x123456u);
}

TEST_F(HotKeyTest, DrawNormalCentresTheIconOverThePatch) {
    Bitmap skin(100, 100);
    key.place(10, 20, 29, 28, 24, 24, 0x41, true, skin);
    MemoryCanvas canvas({100, 100});
    key.drawNormal(canvas);
    ASSERT_EQ(canvas.calls.size(), 1u); // no icon yet
    shell.icons.insert("C:\\p.exe|0");
    key.setIcon("C:\\p.exe");
    canvas.calls.clear();
    key.drawNormal(canvas);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[0].rect, (Rect{10, 20, 39, 48}));
    EXPECT_EQ(canvas.calls[1].op, Op::Icon);
    EXPECT_EQ(canvas.calls[1].rect, (Rect{10 + 14 - 12, 20 + 14 - 12, 12 + 24, 22 + 24}));
}

namespace {

struct TitleCase {
    const char* what;
    int x, y;
    int left, top; // where the text starts
};

} // namespace

TEST_F(HotKeyTest, TitleBoxIsCentredUnderTheKeyAndKeptInsideThePicture) {
    // Picture 681 x 201; the memory canvas sets 14-point text 19 pixels high, 9 per character.
    Bitmap skin(681, 201);
    key.title = "abcd"; // 36 x 19
    const int tw = 36, th = 19;
    const TitleCase cases[] = {
        {"centred", 300, 40, 300 + 14 - 18, 40 + 28 + 16},
        {"left edge", 0, 40, 8, 84},
        {"right edge", 660, 40, 681 - 32 - tw, 84},
        {"bottom edge", 300, 162, 296, 201 - 2 * th},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        key.place(c.x, c.y, 28, 28, 24, 24, 0x41, true, skin);
        MemoryCanvas canvas({681, 201});
        key.drawHighlighted(canvas);
        ASSERT_EQ(canvas.calls.size(), 3u); // no icon: enlarged patch and the title box
        EXPECT_EQ(canvas.calls[0].op, Op::Stretch);
        EXPECT_EQ(canvas.calls[0].rect, (Rect{c.x - 8, c.y - 8, c.x + 36, c.y + 36}));
        EXPECT_EQ(canvas.calls[1].op, Op::RoundRect);
        EXPECT_EQ(canvas.calls[1].rect, (Rect{c.left - 4, c.top, c.left + tw + 4, c.top + th}));
        EXPECT_EQ(canvas.calls[1].ink, ink);
        EXPECT_EQ(canvas.calls[1].back, back);
        EXPECT_EQ(canvas.calls[1].text, "8x8");
        EXPECT_EQ(canvas.calls[2].op, Op::Text);
        EXPECT_EQ(canvas.calls[2].rect.left, c.left);
        EXPECT_EQ(canvas.calls[2].rect.top, c.top);
        EXPECT_EQ(canvas.calls[2].font, (Font{"Arial", 14, true, ink}));
        EXPECT_EQ(canvas.calls[2].back, back);
    }
}

TEST_F(HotKeyTest, HighlightedIconIsSixteenPixelsLarger) {
    Bitmap skin(681, 201);
    key.place(100, 50, 28, 28, 24, 24, 0x41, true, skin);
    shell.icons.insert("C:\\p.exe|0");
    key.setIcon("C:\\p.exe");
    MemoryCanvas canvas({681, 201});
    key.drawHighlighted(canvas);
    ASSERT_EQ(canvas.calls.size(), 2u); // no title: no box
    EXPECT_EQ(canvas.calls[1].rect, (Rect{100 + 14 - 20, 50 + 14 - 20, 94 + 40, 44 + 40}));

    MemoryCanvas preview({64, 64});
    HotKey fresh;
    fresh.shell = &shell;
    fresh.programDir = &programDir;
    fresh.setIcon("C:\\p.exe");
    fresh.drawIconOnly(preview);
    EXPECT_EQ(preview.calls.at(0).rect, (Rect{0, 0, 32, 32})); // a fresh key: the icon's own size
}
