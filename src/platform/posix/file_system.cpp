#include "platform/file_system.h"

#include "platform/posix/native_path.h"

#include <cstdio>
#include <memory>

std::optional<std::vector<unsigned char>> readWholeFile(const std::string& path) {
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(nativePath(path).c_str(), "rb"),
                                                         &std::fclose);
    if (!file) return std::nullopt;
    std::vector<unsigned char> data;
    unsigned char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0;)
        data.insert(data.end(), buffer, buffer + n);
    if (std::ferror(file.get())) return std::nullopt;
    return data;
}
