#pragma once

#include <string>

// Modal dialogs of the application. Texts are UTF-8.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    // A modal message box with an OK button.
    virtual void showMessage(const std::string& text) = 0;
};
