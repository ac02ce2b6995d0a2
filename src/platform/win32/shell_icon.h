#pragma once

#include "platform/icon.h"
#include "platform/win32/unique_handle.h"

#include <functional>
#include <map>
#include <memory>

// An icon that remembers where it came from and makes its image for every size it is drawn at
// from the source's nearest larger image, so a key's 40-pixel icon is not a 32-pixel one blown up.
// Keys showing the same source share one set of images.
class ShellIcon final : public Icon {
  public:
    // Makes the icon's image for a size in pixels; null when the source has none.
    using ImageSource = std::function<win32::UniqueIcon(int pixels)>;

    // The images of one source, made the first time each size is asked for.
    class Images {
      public:
        Images(ImageSource source, win32::UniqueIcon first);
        Size naturalSize() const { return natural_; }
        HICON imageFor(Size size);

      private:
        ImageSource source_;
        Size natural_;
        std::map<int, win32::UniqueIcon> bySize_;
    };

    // The icon at the system's icon size; null when the source gives no image there.
    static std::unique_ptr<ShellIcon> load(ImageSource source);

    explicit ShellIcon(std::shared_ptr<Images> images) : images_(std::move(images)) {}

    Size naturalSize() const override { return images_->naturalSize(); }
    // An image to draw at size. DrawIconEx scales it when the source could not make that size.
    HICON imageFor(Size size) const { return images_->imageFor(size); }
    const std::shared_ptr<Images>& images() const { return images_; }

  private:
    std::shared_ptr<Images> images_;
};

// The width and height of an icon's image.
Size iconImageSize(HICON icon);
