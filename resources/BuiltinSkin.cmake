# The built-in skin: painted at build time and embedded in the program as a byte array that
# builtInSkinBmp() returns. The .bmp beside it is the same picture, for looking at.
include(${CMAKE_CURRENT_LIST_DIR}/MakeSkinsTool.cmake)

set(MARLOWIN_BUILTIN_SKIN_BMP ${CMAKE_BINARY_DIR}/generated/builtin_skin.bmp)
set(MARLOWIN_BUILTIN_SKIN_SOURCE ${CMAKE_BINARY_DIR}/generated/builtin_skin.cpp)
add_custom_command(
  OUTPUT ${MARLOWIN_BUILTIN_SKIN_SOURCE} ${MARLOWIN_BUILTIN_SKIN_BMP}
  COMMAND ${MARLOWIN_MAKE_SKINS} builtin ${MARLOWIN_BUILTIN_SKIN_BMP} ${MARLOWIN_BUILTIN_SKIN_SOURCE}
  DEPENDS ${MARLOWIN_MAKE_SKINS}
  COMMENT "Painting the built-in skin"
  VERBATIM
)
