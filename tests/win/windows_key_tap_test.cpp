// The tap logic alone, for what keys sent through Windows cannot show: events the hook never
// sees because they happen on the lock screen or the secure desktop.
#include "hook/windows_key_tap.h"

#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

namespace {

using hook::WindowsKeyTap;

constexpr unsigned kLeftWin = WindowsKeyTap::kLeftWindows, kRightWin = WindowsKeyTap::kRightWindows;
constexpr unsigned kCtrl = WindowsKeyTap::kControl, kAlt = WindowsKeyTap::kAlt, kDelete = 0x2E, kL = 'L';

// The system's key state: it follows every event, seen by the hook or not.
std::bitset<256> systemKeys;
bool wasDown(unsigned virtualKey) {
    return systemKeys[virtualKey];
}

struct Event {
    unsigned virtualKey;
    bool up;
    bool seen = true;
};
Event down(unsigned key) {
    return {key, false};
}
Event up(unsigned key) {
    return {key, true};
}
Event unseenUp(unsigned key) {
    return {key, true, false};
}

struct TapCase {
    std::string name;
    std::vector<Event> events;
    int taps;
};

TEST(WindowsKeyTap, FollowsTheSystemWhereTheHookMissedEvents) {
    const TapCase cases[] = {
        {"up without its down, then a tap", {up(kLeftWin), down(kLeftWin), up(kLeftWin)}, 1},
        {"Win+L, let go on the lock screen, then a tap",
         {down(kLeftWin), down(kL), unseenUp(kL), unseenUp(kLeftWin), down(kLeftWin), up(kLeftWin)},
         1},
        {"Ctrl+Alt+Del, let go on the secure desktop, then a tap",
         {down(kCtrl), down(kAlt), down(kDelete), unseenUp(kDelete), unseenUp(kAlt), unseenUp(kCtrl),
          down(kRightWin), up(kRightWin)},
         1},
        {"the other Windows key still held and repeating",
         {down(kLeftWin), down(kRightWin), up(kLeftWin), down(kRightWin), up(kRightWin)},
         0},
    };
    for (const TapCase& tapCase : cases) {
        SCOPED_TRACE(tapCase.name);
        systemKeys.reset();
        WindowsKeyTap tap(wasDown);
        int taps = 0;
        for (const Event& event : tapCase.events) {
            if (event.seen && tap.onKey(event.virtualKey, event.up)) ++taps;
            systemKeys[event.virtualKey] = !event.up;
        }
        EXPECT_EQ(taps, tapCase.taps);
    }
}

} // namespace
