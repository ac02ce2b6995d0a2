// Files dropped on the window from the shell bind the key group under the drop point, and the
// binding is in setting.ini at once.
#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "dropped_files.h"
#include "ini_text.h"

#include <gmock/gmock.h>

#include <algorithm>

using namespace e2e;
using ::testing::ElementsAre;

namespace {

std::vector<std::string> keySections(const std::vector<IniSection>& sections) {
    std::vector<std::string> names;
    for (const IniSection& section : sections)
        if (section.header.starts_with("Key")) names.push_back(section.header);
    return names;
}

} // namespace

using Drop = DesktopTest;

TEST_F(Drop, TheFirstFileDroppedOnAKeyBindsItsGroupInTheSettingsFileAtOnce) {
    writeSettings({});
    const auto first = folder.write("dropped\\first.txt", "first");
    const auto second = folder.write("dropped\\second.txt", "second");
    const auto [launcher, window] = startInForeground();

    // Outside every key nothing is bound. Messages are handled in order, so once the second drop
    // shows in the file, the first has been handled too.
    dropFiles(window, {2, 2}, {second});
    dropFiles(window, centreOf(keys::leftCtrl.place), {first, second});
    std::vector<IniSection> sections;
    const bool saved = waitUntil(10s, [&] {
        sections = parseIni(folder.readSettings().value_or(""));
        return keySections(sections).size() >= 2;
    });
    ASSERT_TRUE(saved) << "no binding in setting.ini while the launcher runs:\n"
                       << folder.readSettings().value_or("");
    EXPECT_TRUE(launcher.running());
    EXPECT_THAT(keySections(sections), ElementsAre("Key69", "Key76")) << "not the Ctrl group alone";
    for (const char* name : {"Key69", "Key76"}) {
        const IniSection* key = findSection(sections, name);
        ASSERT_TRUE(key) << name;
        EXPECT_EQ(valueOf(*key, "FileExeName"), utf8Of(first)) << name;
        EXPECT_EQ(valueOf(*key, "FileExeDefDir"), utf8Of(first.parent_path()) + "\\") << name;
    }
    EXPECT_EQ(closeAndWaitForExit(launcher, window), 0u);
}
