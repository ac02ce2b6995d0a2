#include "child_process.h"

#include "platform/win32/wide_text.h"

#include <stdexcept>

namespace e2e {

namespace {

void appendQuoted(std::wstring& line, const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        line += argument;
        return;
    }
    // Backslashes count only before a quote: double them there, and before the closing quote.
    line += L'"';
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
        backslashes = 0;
        line += c;
    }
    line.append(2 * backslashes, L'\\');
    line += L'"';
}

} // namespace

std::wstring commandLine(const std::filesystem::path& program, const std::vector<std::string>& arguments) {
    std::wstring line;
    appendQuoted(line, program.wstring());
    for (const std::string& argument : arguments) {
        line += L' ';
        appendQuoted(line, win32::toWide(argument));
    }
    return line;
}

ChildProcess::ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments,
                           const std::filesystem::path& workDir) {
    std::wstring line = commandLine(program, arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    startedAt_ = std::chrono::steady_clock::now();
    if (!CreateProcessW(program.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, workDir.c_str(),
                        &startup, &info))
        throw std::runtime_error("cannot start " + win32::toUtf8(line) + ": error " +
                                 std::to_string(GetLastError()));
    process_.reset(info.hProcess);
    CloseHandle(info.hThread);
    id_ = info.dwProcessId;
}

ChildProcess::~ChildProcess() {
    terminate();
}

bool ChildProcess::running() const {
    return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> ChildProcess::waitForExit(std::chrono::milliseconds limit) const {
    if (!process_ || WaitForSingleObject(process_.get(), DWORD(limit.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void ChildProcess::terminate() {
    if (!running()) return;
    TerminateProcess(process_.get(), 0xDEAD);
    WaitForSingleObject(process_.get(), 5000);
}

} // namespace e2e
