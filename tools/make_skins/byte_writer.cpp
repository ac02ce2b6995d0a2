#include "byte_writer.h"

#include <fstream>
#include <stdexcept>

void putU8(Bytes& out, unsigned v) {
    out.push_back(std::uint8_t(v));
}

void putU16(Bytes& out, unsigned v) {
    putU8(out, v & 0xFF);
    putU8(out, (v >> 8) & 0xFF);
}

void putU32(Bytes& out, std::uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

void putU32BigEndian(Bytes& out, std::uint32_t v) {
    for (int shift = 24; shift >= 0; shift -= 8)
        putU8(out, (v >> shift) & 0xFF);
}

void putText(Bytes& out, std::string_view text) {
    out.insert(out.end(), text.begin(), text.end());
}

void writeFile(const std::filesystem::path& path, const Bytes& bytes) {
    if (path.has_parent_path()) std::filesystem::create_directories(path.parent_path());
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!file.flush()) throw std::runtime_error("cannot write " + path.string());
}
