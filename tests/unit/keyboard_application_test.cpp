#include "app/keyboard_application.h"
#include "app_fakes.h"
#include "fake_shell.h"
#include "picture_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A program folder of its own on disk, with the application wired to fakes.
class ApplicationTest : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() / ("marlowin-app-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    FakeShell shell;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeMainWindow window;
    FakeDesktop desktop;
    MemoryCanvas picture{{681, 201}};
    KeyboardApplication app;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder / "Skin");
        desktop.program = (folder / "Marlowin.exe").string();
        app.services = {&window, &desktop, {&shell, &dialogs, &clock, nullptr, nullptr}};
    }
    void TearDown() override { fs::remove_all(folder); }

    std::string programDir() const { return folder.string() + "\\"; }
    void writeSettings(const std::string& text) {
        std::ofstream(folder / "setting.ini", std::ios::binary) << text;
    }
    std::string settingsText() const { return slurp(folder / "setting.ini"); }
    void start() {
        app.initialise(&picture, 681, 201);
        dialogs.messages.clear();
    }
};

} // namespace

TEST_F(ApplicationTest, FirstStartUsesTheDefaults) {
    start();
    EXPECT_EQ(app.programDir, programDir());
    EXPECT_EQ(window.at, (Point{172, 257}));
    EXPECT_EQ(app.mask, programDir() + "Skin/WoodEN.jpg");
    EXPECT_EQ(app.skinName, "Default");
    EXPECT_EQ(app.keyboard->holdTime, 1000);
    EXPECT_EQ(app.keyboard->labelColor, 0u);
    EXPECT_EQ(app.keyboard->labelBackColor, 0xFFFFFFu);
    EXPECT_TRUE(app.hiddenFromTaskBar && app.hiddenWhereNotAct && app.inAutoRun && app.showMenuPanel &&
                app.visibleToolBar);
    EXPECT_EQ(desktop.runValues.at("ZOveVodiz"), "\"" + desktop.program + "\"");
    EXPECT_GE(desktop.toolWindowCalls, 1);
    EXPECT_EQ(window.progressMax, 1000);
    EXPECT_EQ(window.progress, 0);
    EXPECT_EQ(app.keyboard->keyCount, 104);
    EXPECT_FALSE(app.busy);
    EXPECT_FALSE(fs::exists(folder / "setting.ini")); // reading never writes
}

TEST_F(ApplicationTest, ValuesReadByTheProfileRules) {
    struct Case {
        const char* text;
        int holdTime;
        bool inAutoRun;
    };
    const Case cases[] = {
        {"[Setting]\r\nTimeExe=0x3E8\r\ninAutoRun=2\r\n", 1000, true},
        {"[Setting]\r\nTimeExe=$3E8\r\ninAutoRun=yes\r\n", 1000, true},
        {"[Setting]\r\nTimeExe=abc\r\n", 1000, true},
        {"[SETTING]\r\nTimeExe=250\r\nINAUTORUN=0\r\n", 250, false},
        {"[setting]\r\nTimeExe=-5\r\n", -5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        writeSettings(c.text);
        desktop.runValues["ZOveVodiz"] = "old";
        KeyboardApplication fresh;
        fresh.services = app.services;
        fresh.initialise(&picture, 681, 201);
        EXPECT_EQ(fresh.keyboard->holdTime, c.holdTime);
        EXPECT_EQ(fresh.inAutoRun, c.inAutoRun);
        EXPECT_EQ(desktop.runValues.count("ZOveVodiz"), c.inAutoRun ? 1u : 0u);
    }
}

TEST_F(ApplicationTest, SaveWritesTheApplicationKeysAndLeavesOtherSectionsAlone) {
    writeSettings("; mine\r\n[Foreign]\r\na=1\r\n[Key20]\r\nFileExeName=C:\\x.exe\r\n");
    start();
    window.at = {10, -20};
    ASSERT_TRUE(app.saveSettings());
    const std::string text = settingsText();
    EXPECT_EQ(text.rfind("; mine\r\n[Foreign]\r\na=1\r\n[Key20]\r\nFileExeName=C:\\x.exe\r\n", 0), 0u)
        << text;
    EXPECT_NE(text.find("[Position]\r\nx=10\r\ny=-20\r\nMask=" + programDir() +
                        "Skin/WoodEN.jpg\r\n"
                        "SkinName=Default\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("[Setting]\r\nhiddenFromTaskBar=1\r\nhiddenWhereNotAct=1\r\ninAutoRun=1\r\n"
                        "ShowMenuPanel=1\r\nTimeExe=1000\r\nCountSkin=0\r\nVisibleToolBar=1\r\n"
                        "ColorLabel=0\r\nBackgroundColorLabel=16777215\r\n"),
              std::string::npos)
        << text;
}

TEST_F(ApplicationTest, ShutdownSaveRunsOnceAndNeverDuringStartUp) {
    app.busy = true;
    app.shutdownSave();
    EXPECT_FALSE(fs::exists(folder / "setting.ini"));
    app.busy = false;
    start();
    shell.files.insert("C:\\p.exe");
    app.keyboard->keys[57]->bind("C:\\p.exe", "");
    app.shutdownSave();
    EXPECT_EQ(app.keyboard, nullptr);
    EXPECT_TRUE(app.busy);
    const std::string text = settingsText();
    EXPECT_NE(text.find("[Key57]"), std::string::npos);
    EXPECT_NE(text.find("[Position]"), std::string::npos);
    fs::remove(folder / "setting.ini");
    app.shutdownSave();
    EXPECT_FALSE(fs::exists(folder / "setting.ini"));
}

TEST_F(ApplicationTest, AHiddenToolBarShrinksTheWindowOnce) {
    writeSettings("[Setting]\r\nVisibleToolBar=0\r\n");
    start();
    EXPECT_EQ(window.size.height, 254 - 36);
    app.saveSettings();
    app.applySettings();
    app.applySettings();
    EXPECT_EQ(window.size.height, 254 - 36);
}

TEST_F(ApplicationTest, RefusedAutorunValueTurnsAutorunOff) {
    desktop.nextWrite = DesktopSession::AutorunWrite::refused;
    app.initialise(&picture, 681, 201);
    EXPECT_FALSE(app.inAutoRun);
    EXPECT_EQ(dialogs.messages.at(0), "Program can not added to autorun"); // before the skin loads

    desktop.nextWrite = DesktopSession::AutorunWrite::keyUnavailable;
    app.inAutoRun = true;
    dialogs.messages.clear();
    app.applySettings();
    EXPECT_TRUE(app.inAutoRun);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ApplicationTest, ReadOnlySettingsFileIsReportedAndKeptWhole) {
    writeSettings("[Position]\r\nx=5\r\n");
    start();
    fs::permissions(folder / "setting.ini", fs::perms::owner_read);
    EXPECT_FALSE(app.saveSettings());
    EXPECT_EQ(dialogs.messages,
              (std::vector<std::string>{"Unable to write to " + programDir() + "setting.ini"}));
    EXPECT_EQ(settingsText(), "[Position]\r\nx=5\r\n");
    fs::permissions(folder / "setting.ini", fs::perms::owner_all);
}

TEST(RelativeToProgram, FollowsTheDriveAndTheSharedFolders) {
    const std::pair<const char*, const char*> cases[] = {
        {"C:\\Prog\\Skin\\Wood.jpg", "Skin\\Wood.jpg"},
        {"c:\\prog\\skin\\Wood.jpg", "skin\\Wood.jpg"},
        {"C:\\Pics\\a.jpg", "..\\Pics\\a.jpg"},
        {"C:\\a.jpg", "..\\a.jpg"},
        {"D:\\a.jpg", "D:\\a.jpg"},
        {"Skin\\Wood.jpg", "Skin\\Wood.jpg"},
        {"\\\\srv\\share\\a.jpg", "\\\\srv\\share\\a.jpg"},
        {"", ""},
    };
    for (auto [path, relative] : cases)
        EXPECT_EQ(relativeToProgram(path, "C:\\Prog\\"), relative) << path;
    EXPECT_EQ(relativeToProgram("\\\\srv\\share\\Prog\\Skin\\a.jpg", "\\\\SRV\\Share\\Prog\\"),
              "Skin\\a.jpg");
    EXPECT_EQ(relativeToProgram("C:\\Prog\\Sub\\b.jpg", "C:\\Prog\\Other\\"), "..\\Sub\\b.jpg");
}

TEST_F(ApplicationTest, CatalogueMergesTheSettingsFileAndTheDescriptionFiles) {
    writeSettings("[Setting]\r\nCountSkin=3\r\n[Skin_1]\r\nTitle=Wood\r\nFileName=Skin\\WoodEN.jpg\r\n"
                  "[Skin_2]\r\nTitle=Wood\r\nFileName=Skin\\WoodEN.jpg\r\n[Skin_3]\r\nFileName=x.jpg\r\n");
    std::ofstream(folder / "Skin" / "skinsB.ini", std::ios::binary)
        << "[Main]\r\nCountSkin=3\r\n[Skin_1]\r\nTitle=Snow\r\nFileName=Skin\\SnowB.jpg\r\n"
           "[Skin_2]\r\nTitle=Other wood\r\nFileName=skin\\woodEN.JPG\r\n"
           "[Skin_3]\r\nTitle=Graphite\r\nFileName=Skin\\GraphiteEN.jpg\r\n";
    std::ofstream(folder / "Skin" / "SkinsA.ini", std::ios::binary)
        << "[Main]\r\nCountSkin=2\r\n[Skin_1]\r\nTitle=SNOW\r\nFileName=Skin\\SnowA.jpg\r\n"
           "[Skin_2]\r\nTitle=Dark\r\n";
    std::ofstream(folder / "Skin" / "Skins huge.ini", std::ios::binary)
        << "[Main]\r\nCountSkin=2000000000\r\n";
    std::ofstream(folder / "Skin" / "Other.ini", std::ios::binary)
        << "[Main]\r\nCountSkin=1\r\n[Skin_1]\r\nTitle=Never\r\n";
    start();
    EXPECT_EQ(app.skinTitles,
              (std::vector<std::string>{"Wood", "Wood", "NoName", "SNOW", "Dark", "Graphite"}));
    EXPECT_EQ(app.skinFiles, (std::vector<std::string>{"Skin\\WoodEN.jpg", "Skin\\WoodEN.jpg", "x.jpg",
                                                       "Skin\\SnowA.jpg", "", "Skin\\GraphiteEN.jpg"}));
    // "Skins huge.ini" claims two billion skins; read up to the bound, each is a "NoName" already known.
    app.saveSettings();
    KeyboardApplication again;
    again.services = app.services;
    again.initialise(&picture, 681, 201);
    EXPECT_EQ(again.skinTitles, app.skinTitles);
    EXPECT_EQ(again.skinFiles, app.skinFiles);
}
