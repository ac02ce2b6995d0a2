#include "platform/file_system.h"

#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

#include <algorithm>
#include <new>

std::optional<std::vector<unsigned char>> readWholeFile(const std::string& path) {
    // A folder does not open without FILE_FLAG_BACKUP_SEMANTICS; a file locked by another
    // program fails here or in ReadFile.
    const win32::UniqueHandle file(CreateFileW(win32::toWide(path).c_str(), GENERIC_READ,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file || !GetFileSizeEx(file.get(), &size)) return std::nullopt;
    try {
        std::vector<unsigned char> data(std::size_t(size.QuadPart));
        for (std::size_t done = 0; done < data.size();) {
            const DWORD chunk = DWORD(std::min<std::size_t>(data.size() - done, 1u << 30));
            DWORD read = 0;
            if (!ReadFile(file.get(), data.data() + done, chunk, &read, nullptr) || read == 0)
                return std::nullopt;
            done += read;
        }
        return data;
    } catch (const std::bad_alloc&) {
        return std::nullopt;
    }
}

bool fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win32::toWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

bool writeAll(HANDLE file, std::span<const unsigned char> bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = DWORD(std::min<std::size_t>(bytes.size(), 1u << 30));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

bool writeDurably(const std::wstring& path, std::span<const unsigned char> bytes) {
    const win32::UniqueHandle file(
        CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && writeAll(file.get(), bytes) && FlushFileBuffers(file.get());
}

} // namespace

bool replaceFile(const std::string& path, std::span<const unsigned char> bytes) {
    if (path.empty()) return false;
    const std::wstring target = win32::toWide(path);
    // MoveFileEx refuses both on Windows; asking first spares writing the temporary file.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)))
        return false;
    const std::wstring staged = win32::toWide(temporaryPath(path));
    // Not ReplaceFileW: under Wine it leaves a moment with no file at the path.
    if (!writeDurably(staged, bytes) ||
        !MoveFileExW(staged.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(staged.c_str());
        return false;
    }
    return true;
}
