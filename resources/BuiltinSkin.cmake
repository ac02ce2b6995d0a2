# Temporary: an empty built-in skin until the generator in tools/ draws the real one.
set(MARLOWIN_BUILTIN_SKIN_SOURCE ${CMAKE_BINARY_DIR}/generated/builtin_skin.cpp)
file(WRITE ${MARLOWIN_BUILTIN_SKIN_SOURCE}
  "#include \"keyboard/builtin_skin.h\"\nstd::span<const unsigned char> builtInSkinBmp() { return {}; }\n")
