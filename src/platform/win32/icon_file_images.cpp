#include "platform/win32/icon_file_images.h"

#include "platform/file_system.h"
#include "platform/win32/icon_directory.h"
#include "platform/win32/wide_text.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace win32 {

namespace {

// The version CreateIconFromResourceEx asks for with every icon made since Windows 3.
constexpr DWORD iconFormatVersion = 0x00030000;

UniqueIcon iconFromImage(std::span<const unsigned char> image, int pixels) {
    return UniqueIcon(CreateIconFromResourceEx(const_cast<PBYTE>(image.data()), DWORD(image.size()), TRUE,
                                               iconFormatVersion, pixels, pixels, LR_DEFAULTCOLOR));
}

bool isIconFile(const std::string& file) {
    constexpr std::string_view extension = ".ico";
    if (file.size() < extension.size()) return false;
    for (std::size_t i = 0; i < extension.size(); ++i) {
        const char c = file[file.size() - extension.size() + i];
        if ((c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c) != extension[i]) return false;
    }
    return true;
}

UniqueIcon fromIconFile(const std::string& file, int index, int pixels) {
    if (index != 0) return {};
    const auto data = readWholeFile(file);
    if (!data) return {};
    const auto entries = readIconFileDirectory(*data);
    if (!entries) return {};
    const IconImageEntry& best = bestIconImage(*entries, pixels);
    if (std::size_t(best.where) + best.bytes > data->size()) return {};
    return iconFromImage(std::span(*data).subspan(best.where, best.bytes), pixels);
}

std::span<const unsigned char> resourceBytes(HMODULE module, LPCWSTR name, LPCWSTR type) {
    HRSRC found = FindResourceW(module, name, type);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const unsigned char*>(bytes), SizeofResource(module, found)};
}

// A resource name as EnumResourceNamesW gives it: a number or a text that must be copied.
struct ResourceName {
    WORD number = 0;
    std::wstring text;
    LPCWSTR get() const { return text.empty() ? MAKEINTRESOURCEW(number) : text.c_str(); }
};

struct GroupSearch {
    int wanted = 0;
    int seen = 0;
    std::optional<ResourceName> found;
};

BOOL CALLBACK visitIconGroup(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) noexcept {
    auto& search = *reinterpret_cast<GroupSearch*>(param);
    if (search.seen++ < search.wanted) return TRUE;
    try {
        search.found = IS_INTRESOURCE(name) ? ResourceName{LOWORD(reinterpret_cast<ULONG_PTR>(name)), {}}
                                            : ResourceName{0, name};
    } catch (...) {
    }
    return FALSE;
}

std::optional<ResourceName> iconGroupName(HMODULE module, int index) {
    if (index < 0) return ResourceName{WORD(-index), {}};
    GroupSearch search;
    search.wanted = index;
    EnumResourceNamesW(module, RT_GROUP_ICON, visitIconGroup, reinterpret_cast<LONG_PTR>(&search));
    return search.found;
}

UniqueIcon fromModule(const std::string& file, int index, int pixels) {
    UniqueModule module(LoadLibraryExW(toWide(file).c_str(), nullptr,
                                       LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) return {};
    const auto group = iconGroupName(module.get(), index);
    if (!group) return {};
    const auto entries = readIconGroupDirectory(resourceBytes(module.get(), group->get(), RT_GROUP_ICON));
    if (!entries) return {};
    const IconImageEntry& best = bestIconImage(*entries, pixels);
    const auto image = resourceBytes(module.get(), MAKEINTRESOURCEW(best.where), RT_ICON);
    return image.empty() ? UniqueIcon() : iconFromImage(image, pixels);
}

} // namespace

UniqueIcon loadFileIconImage(const std::string& file, int index, int pixels) {
    return isIconFile(file) ? fromIconFile(file, index, pixels) : fromModule(file, index, pixels);
}

} // namespace win32
