#include "platform/win32/shell_icon.h"

#include <algorithm>

Size iconImageSize(HICON icon) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    // GetIconInfo hands over copies of both bitmaps.
    const win32::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    BITMAP bits{};
    if (color) {
        GetObjectW(color.get(), sizeof bits, &bits);
        return {bits.bmWidth, bits.bmHeight};
    }
    // A monochrome icon keeps its image and mask one above the other in the mask.
    GetObjectW(mask.get(), sizeof bits, &bits);
    return {bits.bmWidth, bits.bmHeight / 2};
}

std::unique_ptr<ShellIcon> ShellIcon::load(ImageSource source) {
    win32::UniqueIcon first = source(GetSystemMetrics(SM_CXICON));
    if (!first) return nullptr;
    return std::make_unique<ShellIcon>(std::make_shared<Images>(std::move(source), std::move(first)));
}

ShellIcon::Images::Images(ImageSource source, win32::UniqueIcon first)
    : source_(std::move(source)), natural_(iconImageSize(first.get())) {
    bySize_.emplace(std::max(natural_.width, natural_.height), std::move(first));
}

HICON ShellIcon::Images::imageFor(Size size) {
    const int pixels = std::max(size.width, size.height);
    if (auto found = bySize_.find(pixels); found != bySize_.end()) return found->second.get();
    win32::UniqueIcon image = source_(pixels);
    // The source failed where it once succeeded (the file has gone): keep drawing what we have.
    if (!image) return bySize_.begin()->second.get();
    return bySize_.emplace(pixels, std::move(image)).first->second.get();
}
