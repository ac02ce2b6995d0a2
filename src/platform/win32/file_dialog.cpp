#include "platform/win32/file_dialog.h"

#include "platform/win32/wide_text.h"

#include <commdlg.h>

#include <vector>

namespace win32 {

std::wstring dialogFilter(std::wstring_view barSeparated) {
    std::wstring list(barSeparated);
    for (wchar_t& c : list)
        if (c == L'|') c = L'\0';
    // One zero ends the last entry, one more ends the list.
    list.push_back(L'\0');
    list.push_back(L'\0');
    return list;
}

OpenFileDialog::OpenFileDialog(std::wstring_view filter, DWORD options)
    : filter_(dialogFilter(filter)), options_(options) {}

std::optional<std::string> OpenFileDialog::execute(HWND owner) {
    // Room for the longest path Windows knows, not MAX_PATH.
    std::vector<wchar_t> file(32768, L'\0');
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter_.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = DWORD(file.size());
    // No initial folder: the system opens the dialog where this program's user left it last.
    // Relative paths elsewhere in the program depend on the current folder: the dialog must not move it.
    dialog.Flags = options_ | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&dialog)) return std::nullopt;
    return toUtf8(file.data());
}

} // namespace win32
