#include "autorun_value.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {

namespace {

constexpr const wchar_t* runKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

struct RegistryKeyDeleter {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using UniqueKey = win32::unique<HKEY, RegistryKeyDeleter>;

UniqueKey openRunKey(REGSAM access) {
    HKEY key = nullptr;
    const LONG status =
        RegCreateKeyExW(HKEY_CURRENT_USER, runKey, 0, nullptr, 0, access, nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot open HKCU\\...\\Run: error " + std::to_string(status));
    return UniqueKey(key);
}

} // namespace

std::optional<std::string> readAutorunValue(const std::string& name) {
    const UniqueKey key = openRunKey(KEY_QUERY_VALUE);
    const std::wstring wideName = win32::toWide(name);
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        throw std::runtime_error("the Run value " + name + " is not a string (type " + std::to_string(type) +
                                 ")");
    std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = DWORD(data.size() * sizeof(wchar_t));
    if (RegQueryValueExW(key.get(), wideName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data.data()),
                         &bytes) != ERROR_SUCCESS)
        return std::nullopt;
    data.resize(bytes / sizeof(wchar_t));
    // The stored terminator, and any the writer added beyond it, are not part of the text.
    while (!data.empty() && data.back() == L'\0')
        data.pop_back();
    return win32::toUtf8(data);
}

void writeAutorunValue(const std::string& name, const std::string& data) {
    const UniqueKey key = openRunKey(KEY_SET_VALUE);
    const std::wstring wide = win32::toWide(data);
    const LONG status = RegSetValueExW(key.get(), win32::toWide(name).c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(wide.c_str()),
                                       DWORD((wide.size() + 1) * sizeof(wchar_t)));
    if (status != ERROR_SUCCESS)
        throw std::runtime_error("cannot write the Run value " + name + ": error " + std::to_string(status));
}

void deleteAutorunValue(const std::string& name) {
    const UniqueKey key = openRunKey(KEY_SET_VALUE);
    const LONG status = RegDeleteValueW(key.get(), win32::toWide(name).c_str());
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw std::runtime_error("cannot delete the Run value " + name + ": error " + std::to_string(status));
}

AutorunValueBackup::AutorunValueBackup(std::string name)
    : name_(std::move(name)), saved_(readAutorunValue(name_)) {}

AutorunValueBackup::~AutorunValueBackup() {
    try {
        if (saved_)
            writeAutorunValue(name_, *saved_);
        else
            deleteAutorunValue(name_);
    } catch (...) {
        // A destructor has no one to tell; the next backup starts from whatever is there.
    }
}

} // namespace e2e
