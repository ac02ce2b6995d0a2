#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the system started; wraps at 2^32.
    virtual std::uint32_t tickCount() = 0;
};
