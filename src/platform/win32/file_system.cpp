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
