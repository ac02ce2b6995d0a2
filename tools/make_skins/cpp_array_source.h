#pragma once

#include "byte_writer.h"

#include <string>
#include <string_view>

// C++ source of a function returning the bytes, for embedding a file in the program.
// `declaration` is the function's signature as its header declares it, returning std::span.
std::string cppArraySource(const Bytes& bytes, std::string_view header, std::string_view declaration);
