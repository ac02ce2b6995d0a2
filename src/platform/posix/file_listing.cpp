#include "platform/file_listing.h"

#include "platform/posix/native_path.h"
#include "platform/text_case.h"

#include <algorithm>
#include <filesystem>
#include <fnmatch.h>

std::vector<std::string> listFiles(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(nativePath(folder), error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file(error) && fnmatch(pattern.c_str(), name.c_str(), FNM_CASEFOLD) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(), caseBlindLess);
    return names;
}
