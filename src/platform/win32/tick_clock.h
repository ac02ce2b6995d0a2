#pragma once

#include "platform/clock.h"

class Win32Clock final : public Clock {
  public:
    std::uint32_t tickCount() override;
};
