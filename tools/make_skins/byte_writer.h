#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Little-endian appends, as the Windows file formats store their numbers.
void putU8(Bytes& out, unsigned v);
void putU16(Bytes& out, unsigned v);
void putU32(Bytes& out, std::uint32_t v);
// Big-endian, as PNG stores them.
void putU32BigEndian(Bytes& out, std::uint32_t v);
void putText(Bytes& out, std::string_view text);

// Writes the whole file, creating its folder; throws std::runtime_error on failure.
void writeFile(const std::filesystem::path& path, const Bytes& bytes);
