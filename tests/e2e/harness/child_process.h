#pragma once

#include "platform/win32/unique_handle.h"

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// A program started by a test. It never outlives the test: the destructor ends it if it still runs.
class ChildProcess {
  public:
    // Starts the program in the folder with the arguments (UTF-8, quoted as the C runtime splits
    // them); throws with the reason when Windows refuses.
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                 const std::filesystem::path& workDir);
    ~ChildProcess();
    ChildProcess(ChildProcess&&) = default;
    ChildProcess& operator=(ChildProcess&&) = default;

    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }
    std::chrono::steady_clock::time_point startedAt() const { return startedAt_; }

    bool running() const;
    // The exit code, or nothing while it still runs after the limit.
    std::optional<DWORD> waitForExit(std::chrono::milliseconds limit) const;
    void terminate();

  private:
    win32::UniqueHandle process_;
    DWORD id_ = 0;
    std::chrono::steady_clock::time_point startedAt_;
};

// One command line as CommandLineToArgvW splits it back into the program and the arguments.
std::wstring commandLine(const std::filesystem::path& program, const std::vector<std::string>& arguments);

} // namespace e2e
