#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace win32 {

// One image of an icon as its directory lists it: in an .ico file `where` is the offset of the
// image in the file, in a program's resources it is the RT_ICON resource number.
struct IconImageEntry {
    int width = 0;
    int height = 0;
    int bitCount = 0;
    std::uint32_t bytes = 0;
    std::uint32_t where = 0;
};

// The directory at the start of an .ico file; nullopt when the data is not one.
std::optional<std::vector<IconImageEntry>> readIconFileDirectory(std::span<const unsigned char> data);
// The directory of an RT_GROUP_ICON resource; nullopt when the data is not one.
std::optional<std::vector<IconImageEntry>> readIconGroupDirectory(std::span<const unsigned char> data);

// The image to draw at pixels x pixels: the smallest that is at least that large (scaled down,
// never up), the largest when none is; of equal sizes the one with most colours.
// entries must not be empty.
const IconImageEntry& bestIconImage(std::span<const IconImageEntry> entries, int pixels);

} // namespace win32
