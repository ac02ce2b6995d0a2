#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace win32 {

// "Name|pattern|Name|pattern" as one string, turned into the zero-separated list with a double
// zero at its end that the common dialogs take.
std::wstring dialogFilter(std::wstring_view barSeparated);

// The system's open-file dialog, with no folder or file set before it opens: the system shows
// the folder the user chose from last time. It leaves the process's current folder alone.
class OpenFileDialog {
  public:
    OpenFileDialog(std::wstring_view filter, DWORD options);

    // The chosen file's full path (UTF-8), or nullopt when the user cancels.
    std::optional<std::string> execute(HWND owner);

  private:
    std::wstring filter_;
    DWORD options_;
};

} // namespace win32
