#pragma once

#include <chrono>
#include <thread>

namespace e2e {

using namespace std::chrono_literals;

// Polls until the condition holds or the time is up; true when it held. Every wait of the
// harness goes through here, so no test can hang on a program that never answers.
template <typename Condition>
bool waitUntil(std::chrono::milliseconds limit, Condition condition, std::chrono::milliseconds poll = 20ms) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(poll);
    }
}

} // namespace e2e
