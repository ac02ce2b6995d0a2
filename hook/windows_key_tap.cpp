#include "windows_key_tap.h"

namespace hook {

namespace {
unsigned windowsKeyBit(unsigned virtualKey) {
    if (virtualKey == WindowsKeyTap::kLeftWindows) return 1;
    if (virtualKey == WindowsKeyTap::kRightWindows) return 2;
    return 0;
}
} // namespace

bool WindowsKeyTap::modifierHeld() const {
    return wasDown_(kControl) || wasDown_(kShift) || wasDown_(kAlt);
}

bool WindowsKeyTap::onKey(unsigned virtualKey, bool up) {
    const unsigned bit = windowsKeyBit(virtualKey);
    if (up) {
        // Releases of other keys change nothing: a key pressed before the Windows key and let go
        // while it is held makes no combination. An up without its down (the hook came while the
        // key was held) is no tap either.
        if ((held_ & bit) == 0) return false;
        held_ &= ~bit;
        return held_ == 0 && lone_;
    }
    // A down of a key that should be held but is not was preceded by an up the hook never saw
    // (Win+L: the up happens on the lock screen): a new press.
    if ((held_ & bit) != 0 && !wasDown_(virtualKey)) held_ = 0;
    if (held_ == 0) {
        if (bit != 0) {
            held_ = bit;
            lone_ = !modifierHeld();
        }
        return false;
    }
    // A held key repeats while it stays down; any other key, the other Windows key included,
    // makes a combination until both Windows keys are up.
    if ((held_ & bit) == 0) lone_ = false;
    held_ |= bit;
    return false;
}

} // namespace hook
