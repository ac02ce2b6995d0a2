#include "dropped_files.h"

#include "platform/win32/unique_handle.h"

#include <shlobj.h>

#include <cstring>
#include <stdexcept>
#include <string>

namespace e2e {

namespace {

std::string dropBlock(Point client, const std::vector<std::filesystem::path>& files) {
    DROPFILES header{};
    header.pFiles = sizeof header;
    header.pt = {client.x, client.y};
    header.fNC = FALSE;
    header.fWide = TRUE;
    std::string block(reinterpret_cast<const char*>(&header), sizeof header);
    // Each path with its terminator, and one more terminator after the last.
    for (const auto& file : files) {
        const std::wstring path = file.wstring();
        block.append(reinterpret_cast<const char*>(path.c_str()), (path.size() + 1) * sizeof(wchar_t));
    }
    block.append(sizeof(wchar_t), '\0');
    return block;
}

} // namespace

void dropFiles(HWND window, Point client, const std::vector<std::filesystem::path>& files) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const win32::UniqueHandle process(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId));
    if (!process) throw std::runtime_error("cannot open the process of the drop target");
    const std::string block = dropBlock(client, files);
    void* remote =
        VirtualAllocEx(process.get(), nullptr, block.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (!remote) throw std::runtime_error("no memory for the drop in the target process");
    SIZE_T written = 0;
    if (!WriteProcessMemory(process.get(), remote, block.data(), block.size(), &written) ||
        written != block.size())
        throw std::runtime_error("cannot write the drop into the target process");
    if (!PostMessageW(window, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0))
        throw std::runtime_error("cannot post WM_DROPFILES");
}

} // namespace e2e
