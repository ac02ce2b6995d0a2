#include "platform/win32/shell_image_list.h"

#include "platform/win32/com_ptr.h"
#include "platform/win32/wide_text.h"

#include <commctrl.h>
#include <commoncontrols.h>
#include <shellapi.h>

#include <algorithm>

namespace win32 {

namespace {

ComPtr<IImageList> systemImageList(int which) {
    ComPtr<IImageList> list;
    if (FAILED(SHGetImageList(which, __uuidof(IImageList), list.out()))) list.reset();
    return list;
}

} // namespace

UniqueIcon loadShellIconImage(const std::string& path, int pixels) {
    SHFILEINFOW info{};
    if (!SHGetFileInfoW(toWide(path).c_str(), 0, &info, sizeof info, SHGFI_SYSICONINDEX)) return {};
    UniqueIcon icon;
    // Ordered by size. The jumbo list is reached only for more than 48 pixels: for a file type
    // without a 256-pixel image it holds the small image in the middle of a large empty one.
    for (const int which : {SHIL_SMALL, SHIL_LARGE, SHIL_EXTRALARGE, SHIL_JUMBO}) {
        const ComPtr<IImageList> list = systemImageList(which);
        HICON image = nullptr;
        if (!list || FAILED(list->GetIcon(info.iIcon, ILD_TRANSPARENT, &image)) || !image) continue;
        icon.reset(image);
        int width = 0, height = 0;
        if (SUCCEEDED(list->GetIconSize(&width, &height)) && std::max(width, height) >= pixels) break;
    }
    return icon;
}

} // namespace win32
