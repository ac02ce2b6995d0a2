#include "launch_records.h"

#include "scratch_program_folder.h"

#include <string_view>

namespace e2e {

std::vector<LaunchRecord> readLaunchRecords(const std::filesystem::path& file) {
    const std::string text = readFileBytes(file).value_or("");
    std::vector<LaunchRecord> records;
    std::string_view rest = text;
    // One line per start, fields split by tabs: the working folder, then the arguments.
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        if (end == std::string_view::npos) break; // a start still writing
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
        LaunchRecord record;
        std::size_t tab = line.find('\t');
        record.workDir = std::string(line.substr(0, tab));
        while (tab != std::string_view::npos) {
            line.remove_prefix(tab + 1);
            tab = line.find('\t');
            record.arguments.emplace_back(line.substr(0, tab));
        }
        records.push_back(std::move(record));
    }
    return records;
}

} // namespace e2e
