#pragma once

namespace hook {

// Tells a lone tap of a Windows key from a combination, one key event at a time, in the order the
// keyboard produced them. Knows nothing of Win32 beyond the virtual-key codes.
class WindowsKeyTap {
  public:
    static constexpr unsigned kLeftWindows = 0x5B;
    static constexpr unsigned kRightWindows = 0x5C;
    static constexpr unsigned kShift = 0x10, kControl = 0x11, kAlt = 0x12;

    // Whether a key was down before the event in hand, as the system keeps it (it sees every
    // event, also those that never reach a hook, such as the keys pressed on the lock screen).
    using WasDown = bool (*)(unsigned virtualKey);

    explicit WindowsKeyTap(WasDown wasDown) : wasDown_(wasDown) {}

    // Returns true on the up event that ends a lone tap.
    bool onKey(unsigned virtualKey, bool up);

  private:
    bool modifierHeld() const;

    WasDown wasDown_;
    unsigned held_ = 0; // one bit per Windows key
    bool lone_ = false;
};

} // namespace hook
