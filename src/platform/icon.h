#pragma once

#include "platform/geometry.h"

// An icon as the platform holds it. Canvases of the same platform know how to draw it.
class Icon {
public:
    virtual ~Icon() = default;
    // The size of the image the icon was loaded with (used when drawn at "own size").
    virtual Size naturalSize() const = 0;
};
