#pragma once

#include "platform/geometry.h"

#include <array>
#include <cstdint>

constexpr int layoutKeyCount = 104;

// One entry of the fixed key table: what the key is, whatever the skin.
struct KeyInfo {
    const char* label;  // short text a skin picture may print on the key
    std::uint8_t code;  // Windows virtual-key code; 0 = none
    bool active;        // can be highlighted, bound and started
};

extern const std::array<KeyInfo, layoutKeyCount> keyTable;

struct KeySize {
    int key = 0;   // width and height of an ordinary key
    int icon = 0;  // width and height of a key's icon
};

KeySize keySizeFor(int skinHeight);

// Where every key of the table lies on a skin picture of the given height, by table index.
std::array<Rect, layoutKeyCount> layoutKeys(int skinHeight);
