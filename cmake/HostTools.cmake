# Generators that run at build time. Natively they are part of this build.
if(NOT CMAKE_CROSSCOMPILING)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
endif()
