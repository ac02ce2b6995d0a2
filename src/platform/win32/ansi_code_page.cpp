#include "platform/ansi_code_page.h"

#include "platform/win32/wide_text.h"

#include <windows.h>

std::string ansiToUtf8(std::string_view bytes) {
    if (bytes.empty()) return {};
    // GetACP, as the profile functions read a file without a byte-order mark.
    const UINT codePage = GetACP();
    const int length = MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), int(bytes.size()), wide.data(), length);
    return win32::toUtf8(wide);
}
