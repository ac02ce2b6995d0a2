#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace e2e {

// What launch_recorder.exe noted of each of its starts, in the order they wrote.
struct LaunchRecord {
    std::string workDir;
    std::vector<std::string> arguments; // after the record file's own path
    bool operator==(const LaunchRecord&) const = default;
};

// The records in the file; none when there is no file yet.
std::vector<LaunchRecord> readLaunchRecords(const std::filesystem::path& file);

} // namespace e2e
