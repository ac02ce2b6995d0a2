#pragma once

#include "platform/dialogs.h"

#include <windows.h>

// Message boxes captioned with the program's name.
class Win32Dialogs final : public Dialogs {
  public:
    // The window the boxes are modal to; none makes them modal to the whole thread.
    void setOwner(HWND owner) { owner_ = owner; }

    void showMessage(const std::string& text) override;

  private:
    HWND owner_ = nullptr;
};
