#include "platform/file_listing.h"

#include "platform/text_case.h"
#include "platform/win32/unique_handle.h"
#include "platform/win32/wide_text.h"

#include <windows.h>

#include <algorithm>

namespace {

struct FindCloser {
    void operator()(HANDLE find) const { FindClose(find); }
    static bool owns(HANDLE find) { return find != nullptr && find != INVALID_HANDLE_VALUE; }
};

} // namespace

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    const win32::unique<HANDLE, FindCloser> find(
        FindFirstFileW(win32::toWide(folder + pattern).c_str(), &found));
    if (!find) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(win32::toUtf8(found.cFileName));
    } while (FindNextFileW(find.get(), &found));
    std::sort(names.begin(), names.end(), caseBlindLess);
    return names;
}
