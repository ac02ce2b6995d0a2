#include "call_up_receiver.h"
#include "hook_library.h"
#include "message_thread.h"

#include "hook/mask_key.h"
#include "hook/set_hook.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

struct Key {
    WORD virtualKey;
    bool up;
    bool fromHook = false; // marked as the hook's own input
    bool operator==(const Key&) const = default;
};

void PrintTo(const Key& key, std::ostream* out) {
    *out << "0x" << std::hex << key.virtualKey << std::dec << (key.up ? " up" : " down")
         << (key.fromHook ? " (hook)" : "");
}

Key down(WORD virtualKey) {
    return {virtualKey, false};
}
Key up(WORD virtualKey) {
    return {virtualKey, true};
}

using Keys = std::vector<Key>;

// What a lone tap at the end of keys should come out as: the mask key before the last up.
Keys maskedBeforeLast(Keys keys) {
    keys.insert(keys.end() - 1, {{hook::kMaskVirtualKey, false, true}, {hook::kMaskVirtualKey, true, true}});
    return keys;
}

const CallUpReceiver::Message kIconClick{hook::kTrayIconId, WM_LBUTTONUP};

// A second low-level hook. Made before the hook under test, it comes after it in the chain, so
// it sees the events in the order that hook lets them on, its own input among them.
class KeyObserver {
  public:
    KeyObserver() {
        current = this;
        thread_.emplace(
            [this] { hook_ = SetWindowsHookExW(WH_KEYBOARD_LL, proc, GetModuleHandleW(nullptr), 0); },
            [this] { UnhookWindowsHookEx(hook_); });
    }
    ~KeyObserver() {
        thread_.reset();
        current = nullptr;
    }
    explicit operator bool() const { return hook_ != nullptr; }

    // Sends keys as a keyboard would and returns what came through the hook under test.
    Keys send(const Keys& keys) {
        std::vector<INPUT> inputs;
        for (const Key& key : keys)
            inputs.push_back(keyInput(key.virtualKey, key.up, 0));
        // Ends the batch: once the barrier is through, so is everything before it.
        inputs.push_back(keyInput(kBarrierKey, false, kBarrierExtraInfo));
        inputs.push_back(keyInput(kBarrierKey, true, kBarrierExtraInfo));
        std::unique_lock lock(lock_);
        seen_.clear();
        barrierPassed_ = false;
        lock.unlock();
        EXPECT_EQ(SendInput(UINT(inputs.size()), inputs.data(), sizeof(INPUT)), inputs.size());
        lock.lock();
        if (!passed_.wait_for(lock, std::chrono::seconds(5), [this] { return barrierPassed_; }))
            ADD_FAILURE() << "the keys did not come through the hooks within 5 s";
        return seen_;
    }

  private:
    static constexpr WORD kBarrierKey = 0x88; // unassigned
    static constexpr ULONG_PTR kBarrierExtraInfo = 0x54455354;

    static INPUT keyInput(WORD virtualKey, bool up, ULONG_PTR extraInfo) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = virtualKey;
        input.ki.dwFlags = (up ? KEYEVENTF_KEYUP : 0) |
                           (virtualKey == VK_LWIN || virtualKey == VK_RWIN ? KEYEVENTF_EXTENDEDKEY : 0);
        input.ki.dwExtraInfo = extraInfo;
        return input;
    }

    static LRESULT CALLBACK proc(int code, WPARAM wParam, LPARAM lParam) {
        if (code == HC_ACTION && current) {
            const auto& event = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            const bool up = (event.flags & LLKHF_UP) != 0;
            const std::lock_guard lock(current->lock_);
            if (event.dwExtraInfo == kBarrierExtraInfo) {
                if (up) {
                    current->barrierPassed_ = true;
                    current->passed_.notify_all();
                }
            } else {
                current->seen_.push_back({WORD(event.vkCode), up, event.dwExtraInfo == hook::kMaskExtraInfo});
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }

    static inline KeyObserver* current = nullptr;

    std::mutex lock_;
    std::condition_variable passed_;
    Keys seen_;
    bool barrierPassed_ = false;
    HHOOK hook_ = nullptr;
    std::optional<MessageThread> thread_;
};

struct KeyCase {
    std::string name;
    Keys keys;
};

class WindowsKeyHook : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(observer);
        ASSERT_TRUE(library) << "hook_dll.dll or its SetHook did not load";
        ASSERT_EQ(library.setHook(hook::kInstall, hook::kModeWindowsKeyCallsUp, receiver.window(),
                                  receiver.window()),
                  1);
    }
    void TearDown() override {
        if (library) {
            EXPECT_EQ(library.setHook(hook::kRemove, hook::kModeWindowsKeyCallsUp, receiver.window(),
                                      receiver.window()),
                      1);
        }
    }

    KeyObserver observer; // first, so that it follows the hook under test
    CallUpReceiver receiver;
    HookLibrary library;
};

TEST_F(WindowsKeyHook, LoneTapCallsTheWindowUpWithTheStartMenuMasked) {
    const KeyCase cases[] = {
        {"left Windows key", {down(VK_LWIN), up(VK_LWIN)}},
        {"right Windows key", {down(VK_RWIN), up(VK_RWIN)}},
        {"held long enough to repeat", {down(VK_LWIN), down(VK_LWIN), down(VK_LWIN), up(VK_LWIN)}},
        {"right after a combination",
         {down(VK_LWIN), down('R'), up('R'), up(VK_LWIN), down(VK_LWIN), up(VK_LWIN)}},
        {"after Ctrl was let go", {down(VK_LCONTROL), up(VK_LCONTROL), down(VK_RWIN), up(VK_RWIN)}},
    };
    for (const KeyCase& tap : cases) {
        SCOPED_TRACE(tap.name);
        EXPECT_EQ(observer.send(tap.keys), maskedBeforeLast(tap.keys));
        EXPECT_EQ(receiver.take(), std::vector{kIconClick});
    }
}

TEST_F(WindowsKeyHook, CombinationsAreLeftToWindows) {
    const KeyCase cases[] = {
        {"Win+R", {down(VK_LWIN), down('R'), up('R'), up(VK_LWIN)}},
        {"Win+E, Win let go first", {down(VK_RWIN), down('E'), up(VK_RWIN), up('E')}},
        {"Ctrl held, Win tapped", {down(VK_LCONTROL), down(VK_LWIN), up(VK_LWIN), up(VK_LCONTROL)}},
        {"Shift held, Win tapped", {down(VK_RSHIFT), down(VK_RWIN), up(VK_RWIN), up(VK_RSHIFT)}},
        {"Alt held, Win tapped", {down(VK_LMENU), down(VK_LWIN), up(VK_LWIN), up(VK_LMENU)}},
        {"both Windows keys", {down(VK_LWIN), down(VK_RWIN), up(VK_RWIN), up(VK_LWIN)}},
    };
    for (const KeyCase& combination : cases) {
        SCOPED_TRACE(combination.name);
        // Nothing added and nothing held back.
        EXPECT_EQ(observer.send(combination.keys), combination.keys);
        EXPECT_TRUE(receiver.take().empty());
    }
}

class WindowsKeyHookLifetime : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(observer);
        ASSERT_FALSE(hookDllLoaded()) << "an earlier test left the hook DLL loaded";
    }
    int setHook(HookLibrary& library, int install, int mode = hook::kModeWindowsKeyCallsUp) {
        return library.setHook(install, mode, receiver.window(), receiver.window());
    }

    const Keys tap{down(VK_LWIN), up(VK_LWIN)};
    KeyObserver observer;
    CallUpReceiver receiver;
};

TEST_F(WindowsKeyHookLifetime, RemovingStopsTheCallsAndEndsTheHookThread) {
    HookLibrary library;
    ASSERT_TRUE(library);
    ASSERT_EQ(setHook(library, hook::kInstall), 1);
    EXPECT_EQ(setHook(library, hook::kRemove), 1);
    EXPECT_EQ(observer.send(tap), tap);
    EXPECT_TRUE(receiver.take().empty());
    EXPECT_EQ(setHook(library, hook::kRemove), 1) << "removing with nothing installed";
    library.release();
    // The hook thread holds the DLL while it runs: unmapped, the thread has ended.
    EXPECT_FALSE(hookDllLoaded());
}

TEST_F(WindowsKeyHookLifetime, InstallingAgainMovesTheCallToTheNewWindow) {
    HookLibrary library;
    ASSERT_TRUE(library);
    CallUpReceiver second;
    ASSERT_EQ(setHook(library, hook::kInstall), 1);
    ASSERT_EQ(library.setHook(hook::kInstall, hook::kModeWindowsKeyCallsUp, second.window(), second.window()),
              1);
    EXPECT_EQ(observer.send(tap), maskedBeforeLast(tap));
    EXPECT_TRUE(receiver.take().empty());
    EXPECT_EQ(second.take(), std::vector{kIconClick});
    EXPECT_EQ(setHook(library, hook::kRemove), 1);
    library.release();
    EXPECT_FALSE(hookDllLoaded()) << "the first hook thread is still running";
}

TEST_F(WindowsKeyHookLifetime, UnloadedWhileInstalledTheHookKeepsItsCode) {
    {
        HookLibrary library;
        ASSERT_TRUE(library);
        ASSERT_EQ(setHook(library, hook::kInstall), 1);
    }
    ASSERT_TRUE(hookDllLoaded());
    EXPECT_EQ(observer.send(tap), maskedBeforeLast(tap));
    EXPECT_EQ(receiver.take(), std::vector{kIconClick});

    HookLibrary again;
    ASSERT_TRUE(again);
    EXPECT_EQ(setHook(again, hook::kRemove), 1);
    again.release();
    EXPECT_FALSE(hookDllLoaded());
}

TEST_F(WindowsKeyHookLifetime, RefusedInstallsLeaveNoHook) {
    HookLibrary library;
    ASSERT_TRUE(library);
    EXPECT_EQ(setHook(library, hook::kInstall, 2), 0) << "unknown mode";
    EXPECT_EQ(setHook(library, 2), 0) << "unknown switch";
    EXPECT_EQ(library.setHook(hook::kInstall, hook::kModeWindowsKeyCallsUp, nullptr, nullptr), 0)
        << "no window";
    EXPECT_EQ(observer.send(tap), tap);
    EXPECT_TRUE(receiver.take().empty());
    library.release();
    EXPECT_FALSE(hookDllLoaded());
}

} // namespace
