#include "icon_file_writer.h"
#include "temp_folder.h"

#include "keyboard/hot_key.h"
#include "platform/win32/dib_canvas.h"
#include "platform/win32/shell_icon.h"
#include "platform/win32/win32_shell.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr Color red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;

// Pixels an icon covers: they show the same colour on black and on white.
int opaquePixels(const Icon& icon, Size size) {
    DibCanvas onBlack(size), onWhite(size);
    Bitmap white(size.width, size.height);
    for (Color& pixel : white.pixels())
        pixel = 0xFFFFFF;
    onWhite.drawBitmap(white, {0, 0});
    onBlack.drawIcon(icon, {0, 0}, size);
    onWhite.drawIcon(icon, {0, 0}, size);
    int opaque = 0;
    for (int y = 0; y < size.height; ++y)
        for (int x = 0; x < size.width; ++x)
            opaque += onBlack.pixel(x, y) == onWhite.pixel(x, y);
    return opaque;
}

TEST(IconSize, EachSizeIsDrawnFromTheNearestImageThatIsNotSmaller) {
    TempFolder folder;
    Win32Shell shell;
    const auto icon =
        shell.extractIcon(folder.write("sizes.ico", iconFileBytes({{16, red}, {32, green}, {48, blue}})), 0);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->naturalSize(), (Size{32, 32}));

    const struct {
        int drawn;
        Color expected;
    } cases[] = {{16, red}, {20, green}, {24, green}, {32, green}, {40, blue}, {56, blue}, {64, blue}};
    for (const auto& c : cases) {
        DibCanvas canvas({70, 70});
        canvas.drawIcon(*icon, {1, 1}, {c.drawn, c.drawn});
        EXPECT_EQ(canvas.pixel(1, 1), c.expected) << c.drawn;
        EXPECT_EQ(canvas.pixel(c.drawn, c.drawn), c.expected) << c.drawn;
        EXPECT_EQ(canvas.pixel(c.drawn + 1, c.drawn + 1), 0u) << c.drawn;
    }
}

TEST(IconSize, OwnSizeIsTheSizeFirstLoaded) {
    TempFolder folder;
    Win32Shell shell;
    const auto icon =
        shell.extractIcon(folder.write("sizes.ico", iconFileBytes({{16, red}, {32, green}})), 0);
    ASSERT_TRUE(icon);
    DibCanvas canvas({40, 40});
    canvas.drawIcon(*icon, {0, 0}, {0, 0});
    EXPECT_EQ(canvas.pixel(31, 31), green);
    EXPECT_EQ(canvas.pixel(32, 32), 0u);
}

TEST(KeyIcon, LoadsIconThreeOfTheSystemLibraryThroughTheEnvironment) {
    Win32Shell shell;
    HotKey key;
    key.shell = &shell;
    ASSERT_TRUE(key.loadIcon("%SystemRoot%\\system32\\SHELL32.dll?3"));
    EXPECT_GT(opaquePixels(*key.icon, {40, 40}), 200);

    const auto first = shell.extractIcon(shell.expandEnvironment("%SystemRoot%\\system32\\shell32.dll"), 0);
    ASSERT_TRUE(first);
    DibCanvas three({40, 40}), zero({40, 40});
    three.drawIcon(*key.icon, {0, 0}, {40, 40});
    zero.drawIcon(*first, {0, 0}, {40, 40});
    const Bitmap picture3 = three.picture(), picture0 = zero.picture();
    EXPECT_FALSE(std::ranges::equal(picture3.pixels(), picture0.pixels())) << "icon 3, not icon 0";
}

TEST(KeyIcon, AFolderIsNoIconSource) {
    TempFolder folder;
    Win32Shell shell;
    HotKey key;
    key.shell = &shell;
    EXPECT_FALSE(key.loadIcon(utf8Path(folder.path())));
    EXPECT_FALSE(key.icon);
}

TEST(ShellIcons, NoIconWhereTheSourceHasNone) {
    TempFolder folder;
    Win32Shell shell;
    const std::string ico = folder.write("one.ico", iconFileBytes({{32, red}}));
    const std::string library = shell.expandEnvironment("%SystemRoot%\\system32\\shell32.dll");
    EXPECT_FALSE(shell.extractIcon(ico, 1)) << "an icon file holds one icon";
    EXPECT_FALSE(shell.extractIcon(library, 100000));
    EXPECT_FALSE(shell.extractIcon(folder.file("missing.dll"), 0));
    EXPECT_FALSE(shell.extractIcon(folder.write("broken.ico", "not an icon"), 0));
    EXPECT_FALSE(shell.fileIcon(folder.file("missing.txt")));
}

TEST(ShellIcons, ADocumentGetsTheIconOfItsType) {
    TempFolder folder;
    Win32Shell shell;
    const auto icon = shell.fileIcon(folder.write("заметки.txt", "text"));
    ASSERT_TRUE(icon);
    EXPECT_GT(opaquePixels(*icon, {40, 40}), 200);
}

} // namespace

TEST(IconSharing, KeysWithOneSourceShareItsImagesWhileAnyShowsThem) {
    TempFolder folder;
    Win32Shell shell;
    const std::string file = folder.write("shared.ico", iconFileBytes({{32, green}}));
    auto first = shell.extractIcon(file, 0);
    auto second = shell.extractIcon(file, 0);
    ASSERT_TRUE(first && second);
    const auto& a = dynamic_cast<const ShellIcon&>(*first);
    const auto& b = dynamic_cast<const ShellIcon&>(*second);
    EXPECT_EQ(a.images(), b.images());
    EXPECT_EQ(a.imageFor({24, 24}), b.imageFor({24, 24}));
    EXPECT_NE(shell.fileIcon(file), nullptr);  // the shell's icon of the file is another source
    first.reset();
    second.reset();
    // Once no key shows it, a changed file is read afresh.
    folder.write("shared.ico", iconFileBytes({{32, red}}));
    DibCanvas canvas({32, 32});
    canvas.drawIcon(*shell.extractIcon(file, 0), {0, 0}, {32, 32});
    EXPECT_EQ(canvas.pixel(16, 16), red);
}
