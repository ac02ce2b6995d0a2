// Key bindings in setting.ini that a user wrote: Cyrillic paths, quoted arguments.
#include "marlowin_fixture.h"

#include "icon_file_writer.h"
#include "ini_text.h"
#include "window_capture.h"

#include "platform/image_decoder.h"

using namespace e2e;

namespace {

// A colour no skin of ours uses, so its pixels on a key can only be the icon's.
constexpr Color magenta = 0xFF00FF;

bool isMagenta(Color c) {
    return c == magenta;
}

} // namespace

using Bindings = MarlowinTest;

TEST_F(Bindings, ABoundKeyShowsItsIconAndACloseKeepsEveryLineOfItsSection) {
    const auto target = folder.copy(folder.program(), "Программы\\Блокнот.exe");
    const auto icon = folder.write(
        "Значки\\значок.ico", iconFileBytes({{16, magenta}, {24, magenta}, {32, magenta}, {48, magenta}}));
    const std::string binding = "FileExeName=" + utf8Of(target) + "\r\n" +
                                "FileExeDefDir=" + utf8Of(target.parent_path()) + "\\\r\n" +
                                "FileImageKey=" + utf8Of(icon) + "\r\n" +
                                "Argument=\"C:\\My Files\\a.txt\"\r\n"
                                "Title=Записная книжка\r\n";
    folder.writeSettings("[Position]\r\nx=0\r\ny=0\r\n[Key57]\r\n" + binding);

    const auto skinBytes = readFileBytes(folder.path() / "Skin" / "WoodEN.jpg").value_or("");
    const auto skin =
        decodeJpeg({reinterpret_cast<const unsigned char*>(skinBytes.data()), skinBytes.size()});
    ASSERT_TRUE(skin);
    int inSkin = 0;
    for (int y = marlowin::leftShift.top; y < marlowin::leftShift.bottom; ++y)
        for (int x = marlowin::leftShift.left; x < marlowin::leftShift.right; ++x)
            inSkin += isMagenta(skin->pixel(x, y));
    ASSERT_EQ(inSkin, 0) << "the skin itself has the icon's colour under left Shift";

    const ChildProcess& launcher = start();
    const HWND window = waitForMainWindow(launcher);
    // At least a 12 x 12 icon in the key, once the window has painted.
    const auto showsIcon = [](const Capture& c) { return c.count(marlowin::leftShift, isMagenta) >= 144; };
    EXPECT_TRUE(showsIcon(waitForCapture(window, showsIcon)))
        << "left Shift does not show the icon of its binding";
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);

    const std::string written = folder.readSettings().value_or("");
    const auto sections = parseIni(written);
    const IniSection* key = findSection(sections, "Key57");
    ASSERT_TRUE(key) << written;
    const std::vector<std::string> expected = parseIni("[Key57]\r\n" + binding).front().lines;
    std::vector<std::string> lines = key->lines;
    std::erase(lines, "");
    EXPECT_EQ(lines, expected);
}
