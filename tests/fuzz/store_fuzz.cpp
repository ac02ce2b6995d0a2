// Arbitrary contents of the files beside the program: the settings file, the applets and two
// skin description files. Starting never crashes or hangs, and what a start and its save leave
// behind is stable: a second start and save write the same bytes again.
#include "app/keyboard_application.h"
#include "app_fakes.h"
#include "fake_shell.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

const fs::path& programFolder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("marlowin-store-fuzz-" + std::to_string(::getpid()));
    return folder;
}

// The input is the four files one after the other, separated by a NUL byte.
std::vector<std::string_view> splitFiles(std::string_view data) {
    std::vector<std::string_view> parts;
    for (int n = 0; n < 3; ++n) {
        const auto end = data.find('\0');
        parts.push_back(data.substr(0, end));
        data = end == std::string_view::npos ? std::string_view() : data.substr(end + 1);
    }
    parts.push_back(data);
    return parts;
}

void write(const fs::path& path, std::string_view bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// One start and the save at its end, against fakes of the desktop.
void startAndClose() {
    FakeShell shell;
    FakeDialogs dialogs;
    FakeClock clock;
    FakeMainWindow window;
    FakeDesktop desktop;
    MemoryCanvas picture{{681, 201}};
    picture.logCalls = false;
    desktop.program = (programFolder() / "Marlowin.exe").string();
    KeyboardApplication app;
    app.services = {&window, &desktop, {&shell, &dialogs, &clock, nullptr, nullptr, nullptr}};
    app.initialise(&picture, 681, 201);
    app.shutdownSave();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const fs::path& folder = programFolder();
    fs::remove_all(folder);
    fs::create_directories(folder / "Skin");
    const auto files = splitFiles({reinterpret_cast<const char*>(data), size});
    write(folder / "setting.ini", files[0]);
    write(folder / "Applets.ini", files[1]);
    write(folder / "Skin" / "Skins1.ini", files[2]);
    write(folder / "Skin" / "Skins2.ini", files[3]);

    startAndClose();
    const std::string first = read(folder / "setting.ini");
    startAndClose();
    if (read(folder / "setting.ini") != first) {
        std::fprintf(stderr, "broken: a second start and save changed what the first one wrote\n");
        std::abort();
    }
    return 0;
}
