#include "fake_shell.h"
#include "keyboard/clavant.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

class BindingStoreTest : public ::testing::Test {
  protected:
    fs::path folder =
        fs::temp_directory_path() / ("marlowin-keys-" + std::to_string(::getpid()) + "-" +
                                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
    FakeShell shell;
    FakeDialogs dialogs;
    MemoryCanvas canvas{{681, 201}};
    Clavant keyboard;

    void SetUp() override {
        fs::remove_all(folder);
        fs::create_directories(folder);
        keyboard.services = {&shell, &dialogs, nullptr, nullptr, nullptr};
        keyboard.programDir = folder.string() + "\\";
        shell.files.insert(keyboard.programDir + "icons\\computadora.ico");
        shell.icons.insert(keyboard.programDir + "icons\\computadora.ico|0");
    }
    void TearDown() override { fs::remove_all(folder); }

    void write(const std::string& name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << text;
    }
    std::string settingsText() {
        std::ifstream in(folder / "setting.ini", std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void start() { keyboard.init(false, &canvas, 681, 201, ""); }
};

} // namespace

TEST_F(BindingStoreTest, BindingsSurviveASaveAndARead) {
    start();
    shell.files.insert("C:\\Программы\\p.exe");
    shell.icons.insert("C:\\Программы\\p.exe|0");
    for (int index : {57, 68})
        keyboard.keys[std::size_t(index)]->bind("C:\\Программы\\p.exe", "C:\\Программы\\p.exe");
    keyboard.keys[57]->arguments = "\"C:\\My Files\\a.txt\"";
    keyboard.keys[68]->title.clear();
    keyboard.saveBindings();
    const std::string text = settingsText();
    EXPECT_NE(text.find("[Key57]\r\nFileExeName=C:\\Программы\\p.exe\r\nFileExeDefDir=C:\\Программы\\\r\n"
                        "FileImageKey=C:\\Программы\\p.exe\r\nArgument=\"C:\\My Files\\a.txt\"\r\n"
                        "Title=C:\\Программы\\p.exe\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("[Key68]\r\nFileExeName=C:\\Программы\\p.exe\r\nFileExeDefDir=C:\\Программы\\\r\n"
                        "FileImageKey=C:\\Программы\\p.exe\r\nArgument=\r\n"),
              std::string::npos);
    EXPECT_EQ(text.find("Key69"), std::string::npos);

    Clavant again;
    again.services = keyboard.services;
    again.programDir = keyboard.programDir;
    again.init(false, &canvas, 681, 201, "");
    for (int index : {57, 68}) {
        const HotKey& k = *again.keys[std::size_t(index)];
        EXPECT_EQ(k.target, "C:\\Программы\\p.exe");
        EXPECT_EQ(k.workDir, "C:\\Программы\\");
        EXPECT_EQ(k.iconSource, "C:\\Программы\\p.exe");
        EXPECT_NE(k.icon, nullptr);
    }
    EXPECT_EQ(again.keys[57]->arguments, "\"C:\\My Files\\a.txt\"");

    keyboard.keys[57]->clear();
    keyboard.saveBindings();
    EXPECT_EQ(settingsText().find("[Key57]"), std::string::npos);
    EXPECT_NE(settingsText().find("[Key68]"), std::string::npos);
}

TEST_F(BindingStoreTest, ReadingKeepsMissingTargetsAndRepairsWhatItCan) {
    shell.displayNames["C:\\gone.exe"] = "Gone";
    write("setting.ini",
          "[Key1]\r\nFileExeName=C:\\gone.exe\r\nFileExeDefDir=C:\\Prog\r\nFileImageKey=C:\\no.ico\r\n"
          "[Key2]\r\nFileExeName=C:\\gone.exe\r\nFileExeDefDir=C:\\Prog\\\\\r\nTitle=Mine\r\n"
          "[key3]\r\nfileexename=C:\\gone.exe\r\nFileExeDefDir=C:\\\r\n"
          "[Key104]\r\nFileExeName=C:\\never.exe\r\n");
    start();
    const HotKey& first = *keyboard.keys[1];
    EXPECT_EQ(first.target, "C:\\gone.exe");
    EXPECT_EQ(first.title, "Gone");
    EXPECT_EQ(first.workDir, "C:\\"); // a folder stored without its backslash reads as its parent
    EXPECT_EQ(first.iconSource, "icons/computadora.ico");
    EXPECT_NE(first.icon, nullptr);
    EXPECT_EQ(keyboard.keys[2]->title, "Mine");
    EXPECT_EQ(keyboard.keys[2]->workDir, "C:\\Prog\\");
    EXPECT_EQ(keyboard.keys[2]->iconSource, "");
    EXPECT_EQ(keyboard.keys[3]->target, "C:\\gone.exe");
    EXPECT_EQ(keyboard.keys[3]->workDir, "C:\\");
    EXPECT_EQ(keyboard.keys[4]->target, "");

    keyboard.saveBindings();
    EXPECT_NE(settingsText().find("FileImageKey=icons/computadora.ico"), std::string::npos);
    EXPECT_NE(settingsText().find("[Key104]\r\nFileExeName=C:\\never.exe"), std::string::npos);
}

TEST_F(BindingStoreTest, PassiveKeyboardNeitherReadsNorWrites) {
    write("setting.ini", "[Key1]\r\nFileExeName=C:\\a.exe\r\n");
    keyboard.init(true, &canvas, 681, 201, "");
    keyboard.saveBindings();
    EXPECT_EQ(settingsText(), "[Key1]\r\nFileExeName=C:\\a.exe\r\n");
}

namespace {

struct RecordedMenu : AppletMenu {
    std::vector<std::string> titles;
    void addApplet(const std::string& title) override { titles.push_back(title); }
};

} // namespace

TEST_F(BindingStoreTest, AppletsAreReadInFileOrderWithTheirDefaults) {
    write("Applets.ini", "[main]\r\ncountApplets=3\r\n"
                         "[applet1]\r\ntitle=Блокнот\r\nFileImageKey=%SystemRoot%\\system32\\notepad.exe\r\n"
                         "FileExeName=notepad.exe\r\nArgument=-a\r\n"
                         "[applet2]\r\nFileExeName=calc.exe\r\n"
                         "[applet3]\r\ntitle=Блокнот\r\nFileExeName=second.exe\r\n");
    RecordedMenu menu;
    keyboard.services.appletMenu = &menu;
    keyboard.loadApplets();
    keyboard.buildAppletMenu();
    EXPECT_EQ(menu.titles, (std::vector<std::string>{"Блокнот", "Unknow program", "Блокнот"}));
    EXPECT_EQ(keyboard.applets[1].iconSource, keyboard.programDir + "icons/computadora.ico");
    EXPECT_EQ(keyboard.findApplet("Блокнот").target, "notepad.exe");
    EXPECT_EQ(keyboard.findApplet("Блокнот").arguments, "-a");
    EXPECT_EQ(keyboard.findApplet("блокнот").title, "");

    write("Applets.ini", "[main]\r\ncountApplets=2000000000\r\n");
    keyboard.loadApplets();
    EXPECT_EQ(keyboard.appletCount, Clavant::maxApplets);
    write("Applets.ini", "[main]\r\ncountApplets=-4\r\n");
    keyboard.loadApplets();
    EXPECT_EQ(keyboard.appletCount, 0);
    fs::remove(folder / "Applets.ini");
    keyboard.loadApplets();
    EXPECT_EQ(keyboard.appletCount, 0);
}
