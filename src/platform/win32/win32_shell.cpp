#include "platform/win32/win32_shell.h"

#include "platform/win32/com_ptr.h"
#include "platform/win32/com_scope.h"
#include "platform/win32/icon_file_images.h"
#include "platform/win32/shell_icon.h"
#include "platform/win32/shell_image_list.h"
#include "platform/win32/wide_text.h"

#include <shellapi.h>
#include <shlobj.h>

#include <string_view>
#include <system_error>
#include <thread>

namespace {

DWORD attributesOf(const std::string& path) {
    return GetFileAttributesW(win32::toWide(path).c_str());
}

// Empty texts reach the shell as "none".
const wchar_t* orNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

// A '?' is never part of a file name: the shortcut's ANSI copy of its path lost characters
// (Wine reads only that copy). Its item list keeps the whole path.
std::string pathOfItem(IShellLinkW& link) {
    PIDLIST_ABSOLUTE item = nullptr;
    if (FAILED(link.GetIDList(&item)) || !item) return {};
    wchar_t path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListW(item, path);
    CoTaskMemFree(item);
    return found ? win32::toUtf8(path) : std::string();
}

} // namespace

bool Win32Shell::fileExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32Shell::folderExists(const std::string& path) {
    const DWORD attributes = attributesOf(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Shell::displayName(const std::string& path) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(win32::toWide(path).c_str(), 0, &info, sizeof info, SHGFI_DISPLAYNAME)) return {};
    return win32::toUtf8(info.szDisplayName);
}

std::string Win32Shell::expandEnvironment(const std::string& text) {
    const std::wstring source = win32::toWide(text);
    std::wstring expanded(source.size() + 1, L'\0');
    for (;;) {
        const DWORD needed =
            ExpandEnvironmentStringsW(source.c_str(), expanded.data(), DWORD(expanded.size()));
        if (needed == 0) return text;
        if (needed <= expanded.size()) {
            expanded.resize(needed - 1);
            return win32::toUtf8(expanded);
        }
        expanded.resize(needed);
    }
}

std::unique_ptr<Icon> Win32Shell::sharedIcon(const std::string& key, ShellIcon::ImageSource source) {
    if (auto images = icons_[key].lock()) return std::make_unique<ShellIcon>(std::move(images));
    auto icon = ShellIcon::load(std::move(source));
    if (!icon) return nullptr;
    std::erase_if(icons_, [](const auto& entry) { return entry.second.expired(); });
    icons_[key] = icon->images();
    return icon;
}

std::unique_ptr<Icon> Win32Shell::extractIcon(const std::string& file, int index) {
    return sharedIcon("icon|" + std::to_string(index) + "|" + file,
                      [file, index](int pixels) { return win32::loadFileIconImage(file, index, pixels); });
}

std::unique_ptr<Icon> Win32Shell::fileIcon(const std::string& path) {
    return sharedIcon("shell|" + path,
                      [path](int pixels) { return win32::loadShellIconImage(path, pixels); });
}

std::optional<std::string> Win32Shell::resolveShortcut(const std::string& linkFile) {
    if (!fileExists(linkFile)) return std::nullopt;
    const win32::ComScope com;
    win32::ComPtr<IShellLinkW> link;
    win32::ComPtr<IPersistFile> file;
    if (FAILED(
            CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.out())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, file.out())) ||
        FAILED(file->Load(win32::toWide(linkFile).c_str(), STGM_READ)))
        return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    // S_FALSE and an empty path: the shortcut points to a shell item, not a file.
    if (FAILED(link->GetPath(path, MAX_PATH, nullptr, SLGP_UNCPRIORITY))) return std::string();
    if (std::wstring_view(path).find(L'?') != std::wstring_view::npos) return pathOfItem(*link.get());
    return win32::toUtf8(path);
}

void Win32Shell::shellOpen(const std::string& file, const std::string& parameters, const std::string& folder,
                           int showMode) {
    shellOpen(owner_, file, parameters, folder, showMode);
}

void Win32Shell::shellOpen(HWND owner, const std::string& file, const std::string& parameters,
                           const std::string& folder, int showMode) {
    // The started program is another process: it may take the foreground only if we let it.
    AllowSetForegroundWindow(ASFW_ANY);
    // A slow target (a network path, a program that takes its time over DDE) must not hold the
    // window: the start runs on a thread of its own.
    auto start = [launches = launches_, owner, file = win32::toWide(file),
                  parameters = win32::toWide(parameters), folder = win32::toWide(folder), showMode] {
        {
            // The shell may hand the start to COM objects of the file's type, apartment-threaded.
            const win32::ComScope com;
            ShellExecuteW(owner, nullptr, file.c_str(), orNull(parameters), orNull(folder), showMode);
        }
        launches->end();
    };
    launches_->begin();
    try {
        std::thread(start).detach();
    } catch (const std::system_error&) {
        start(); // no thread to be had: better a slow start than none
    }
}

Win32Shell::~Win32Shell() {
    // Starts still under way get a moment to finish; a hung one is left to the end of the process.
    launches_->waitForAll(std::chrono::seconds(10));
}

void Win32Shell::Launches::begin() {
    const std::lock_guard lock(mutex_);
    ++running_;
}

void Win32Shell::Launches::end() {
    {
        const std::lock_guard lock(mutex_);
        --running_;
    }
    finished_.notify_all();
}

void Win32Shell::Launches::waitForAll(std::chrono::milliseconds limit) {
    std::unique_lock lock(mutex_);
    finished_.wait_for(lock, limit, [this] { return running_ == 0; });
}
