#include "platform/win32/icon_directory.h"

#include <algorithm>

namespace win32 {

namespace {

std::uint32_t little(std::span<const unsigned char> data, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | data[at + std::size_t(i)];
    return value;
}

// Both directories share the 6-byte header (reserved 0, type 1 = icon, count) and the first
// 12 bytes of each entry; they differ in the entry's size and its last field.
std::optional<std::vector<IconImageEntry>> readDirectory(std::span<const unsigned char> data,
                                                         std::size_t entrySize, int whereBytes) {
    constexpr std::size_t headerSize = 6;
    if (data.size() < headerSize || little(data, 0, 2) != 0 || little(data, 2, 2) != 1) return std::nullopt;
    const std::size_t count = little(data, 4, 2);
    if (count == 0 || data.size() < headerSize + count * entrySize) return std::nullopt;
    std::vector<IconImageEntry> entries;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = headerSize + i * entrySize;
        // A size byte of 0 means 256.
        const int width = data[at] ? data[at] : 256;
        const int height = data[at + 1] ? data[at + 1] : 256;
        entries.push_back({width, height, int(little(data, at + 6, 2)), little(data, at + 8, 4),
                           little(data, at + 12, whereBytes)});
    }
    return entries;
}

} // namespace

std::optional<std::vector<IconImageEntry>> readIconFileDirectory(std::span<const unsigned char> data) {
    return readDirectory(data, 16, 4);
}

std::optional<std::vector<IconImageEntry>> readIconGroupDirectory(std::span<const unsigned char> data) {
    return readDirectory(data, 14, 2);
}

const IconImageEntry& bestIconImage(std::span<const IconImageEntry> entries, int pixels) {
    const auto side = [](const IconImageEntry& e) { return std::max(e.width, e.height); };
    // Orders the candidates: large enough before too small; then the closest size; then colour depth.
    const auto better = [&](const IconImageEntry& a, const IconImageEntry& b) {
        const bool aFits = side(a) >= pixels, bFits = side(b) >= pixels;
        if (aFits != bFits) return aFits;
        if (side(a) != side(b)) return aFits ? side(a) < side(b) : side(a) > side(b);
        return a.bitCount > b.bitCount;
    };
    return *std::min_element(entries.begin(), entries.end(), better);
}

} // namespace win32
