#pragma once

#include "platform/icon.h"
#include "platform/win32/unique_handle.h"

#include <functional>
#include <map>
#include <memory>

// An icon that remembers where it came from and makes its image for every size it is drawn at
// from the source's nearest larger image, so a key's 40-pixel icon is not a 32-pixel one blown up.
class ShellIcon final : public Icon {
  public:
    // Makes the icon's image for a size in pixels; null when the source has none.
    using ImageSource = std::function<win32::UniqueIcon(int pixels)>;

    // The icon at the system's icon size; null when the source gives no image there.
    static std::unique_ptr<ShellIcon> load(ImageSource source);

    ShellIcon(ImageSource source, win32::UniqueIcon first);

    Size naturalSize() const override { return natural_; }
    // An image to draw at size, made the first time that size is asked for. DrawIconEx scales it
    // when the source could not make that size.
    HICON imageFor(Size size) const;

  private:
    ImageSource source_;
    Size natural_;
    mutable std::map<int, win32::UniqueIcon> images_;
};

// The width and height of an icon's image.
Size iconImageSize(HICON icon);
