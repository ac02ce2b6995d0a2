#include "desktop_fixture.h"

#include "bounded_wait.h"
#include "marlowin_program.h"
#include "notification_icons.h"
#include "virtual_desktop.h"

#include <stdexcept>
#include <thread>

using namespace e2e;

namespace {

std::filesystem::path testProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) throw std::runtime_error("no path of the test program");
    return std::filesystem::path(path).parent_path();
}

constexpr const char* recorderInFolder = "helpers\\launch_recorder.exe";
constexpr const char* recordsInFolder = "launches.txt";
// Enough for a start through the shell to write its line, on a loaded machine.
constexpr auto launchSettleTime = 1500ms;

} // namespace

Point centreOf(Rect rect) {
    return {rect.left + rect.width() / 2, rect.top + rect.height() / 2};
}

HWND applicationWindowOf(HWND mainWindow) {
    return GetWindow(mainWindow, GW_OWNER);
}

bool waitUntilInTray(HWND mainWindow) {
    return waitUntil(
        5s, [&] { return !IsWindowVisible(mainWindow) && notificationIconShown(mainWindow, tray::iconId); });
}

bool waitUntilShownWithoutIcon(HWND mainWindow) {
    return waitUntil(
        5s, [&] { return IsWindowVisible(mainWindow) && !notificationIconShown(mainWindow, tray::iconId); });
}

void DesktopTest::SetUp() {
    // One desktop for the whole process, which stays on it: ended and made again, the desktop
    // would take along the X windows that Wine keeps for this thread, and the next use of them
    // would end the process.
    static const VirtualDesktop desktop("e2e", Size{1024, 768});
    // The checks of the base now apply to this desktop.
    MarlowinTest::SetUp();
    if (HasFatalFailure()) return;
    // Not in the corner where the base leaves it: the desktop's task bar shows the notification
    // icons there, and the icon under the pointer would send the launcher clicks of its own.
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) / 2);
    std::filesystem::create_directories(workFolder());
    folder.copy(testProgramFolder() / "launch_recorder.exe", recorderInFolder);
}

void DesktopTest::TearDown() {
    MarlowinTest::TearDown();
    others_.clear();
}

DesktopTest::Settings& DesktopTest::Settings::hideWhenInactive(bool on) {
    hideWhenInactive_ = on;
    return *this;
}

DesktopTest::Settings& DesktopTest::Settings::bind(keys::Key key, std::string tag, std::string title,
                                                   std::string iconFile) {
    bindings_.push_back({key, std::move(tag), std::move(title), std::move(iconFile)});
    return *this;
}

void DesktopTest::writeSettings(const Settings& settings) {
    std::string text = "[Position]\r\nx=0\r\ny=0\r\n[Setting]\r\nTimeExe=300\r\ninAutoRun=0\r\n";
    text += std::string("hiddenWhereNotAct=") + (settings.hideWhenInactive_ ? "1" : "0") + "\r\n";
    const std::string recorder = utf8Of(folder.path() / pathOf(recorderInFolder));
    const std::string records = utf8Of(folder.path() / recordsInFolder);
    for (const Settings::Binding& binding : settings.bindings_) {
        text += "[Key" + std::to_string(binding.key.index) + "]\r\n";
        text += "FileExeName=" + recorder + "\r\n";
        text += "FileExeDefDir=" + utf8Of(workFolder()) + "\\\r\n";
        text +=
            "FileImageKey=" +
            (binding.iconFile.empty() ? std::string() : utf8Of(folder.path() / pathOf(binding.iconFile))) +
            "\r\n";
        text += "Argument=\"" + records + "\" " + binding.tag + "\r\n";
        if (!binding.title.empty()) text += "Title=" + binding.title + "\r\n";
    }
    folder.writeSettings(text);
}

DesktopTest::Launcher DesktopTest::startInForeground() {
    const ChildProcess& launcher = start();
    const HWND window = waitForMainWindow(launcher);
    if (!waitUntil(5s, [&] { return GetForegroundWindow() == window; }))
        throw std::runtime_error("the main window shows but does not come to the foreground");
    return {launcher, window};
}

ChildProcess& DesktopTest::startBesideTests(const std::string& program) {
    return others_.emplace_back(testProgramFolder() / program, std::vector<std::string>{}, folder.path());
}

std::vector<LaunchRecord> DesktopTest::launches() const {
    return readLaunchRecords(folder.path() / recordsInFolder);
}

std::vector<std::string> DesktopTest::tagsOfSettledLaunches(std::size_t expected) const {
    waitUntil(10s, [&] { return launches().size() >= expected; });
    // A second start of one launch would follow the first closely.
    std::this_thread::sleep_for(launchSettleTime);
    std::vector<std::string> tags;
    for (const LaunchRecord& record : launches())
        tags.push_back(record.arguments.empty() ? std::string() : record.arguments.front());
    return tags;
}
