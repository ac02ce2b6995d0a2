#pragma once

#include "platform/win32/unique_handle.h"

#include <string>
#include <vector>

// One instance per Windows session. The global atom is the mark other programs may look for and
// that a crashed instance leaves behind; a named mutex, owned for the life of the first instance,
// decides between two starts in the same moment.
class SingleInstance {
  public:
    static constexpr const wchar_t* atomName = L"MarlowinMutex";
    static constexpr const wchar_t* windowTitle = L"Clavant";

    // ownWindow: the process's application window, skipped by the window search.
    SingleInstance(HWND ownWindow, const std::vector<std::wstring>& arguments);
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // True when this start is to run; otherwise the running instance has been brought to the
    // front (or a stale mark removed) and this start ends.
    bool isFirst() const { return first_; }
    // Adds the mark; called once the first instance goes on.
    void mark();
    // Removes the mark; the mutex stays owned until the process ends.
    void unmark();

  private:
    HWND findRunningWindow(HWND ownWindow) const;
    static void activate(HWND window);

    bool first_ = false;
    win32::UniqueHandle mutex_;
};
