# The built-in skin: painted at build time and embedded in the program as a byte array that
# builtInSkinBmp() returns. The .bmp beside it is the same picture, for looking at.
set(MARLOWIN_BUILTIN_SKIN_BMP ${CMAKE_BINARY_DIR}/generated/builtin_skin.bmp)
set(MARLOWIN_BUILTIN_SKIN_SOURCE ${CMAKE_BINARY_DIR}/generated/builtin_skin.cpp)
add_custom_command(
  OUTPUT ${MARLOWIN_BUILTIN_SKIN_SOURCE} ${MARLOWIN_BUILTIN_SKIN_BMP}
  COMMAND host::make_skins builtin ${MARLOWIN_BUILTIN_SKIN_BMP} ${MARLOWIN_BUILTIN_SKIN_SOURCE}
  DEPENDS host::make_skins
  COMMENT "Painting the built-in skin"
  VERBATIM
)
