# Generators in tools/ run at build time on the build machine. Each is reachable as host::<name>
# in both builds, so a custom command can say `COMMAND host::make_skins ...` and
# `DEPENDS host::make_skins`. Natively they are part of this build; in the cross build they are
# built natively by a nested build of tools/ with the host compiler.
#
# Every executable of tools/ that the build runs is listed here.
set(MARLOWIN_HOST_TOOLS
  make_skins
)

if(NOT CMAKE_CROSSCOMPILING)
  add_subdirectory(${CMAKE_SOURCE_DIR}/tools ${CMAKE_BINARY_DIR}/tools)
  foreach(tool IN LISTS MARLOWIN_HOST_TOOLS)
    if(NOT TARGET ${tool})
      message(FATAL_ERROR "tools/ defines no executable ${tool} (listed in MARLOWIN_HOST_TOOLS)")
    endif()
    add_executable(host::${tool} ALIAS ${tool})
  endforeach()
  return()
endif()

include(ExternalProject)
set(MARLOWIN_HOST_TOOLS_DIR ${CMAKE_BINARY_DIR}/host-tools)
set(host_tool_files ${MARLOWIN_HOST_TOOLS})
list(TRANSFORM host_tool_files PREPEND ${MARLOWIN_HOST_TOOLS_DIR}/bin/)

find_program(MARLOWIN_HOST_C_COMPILER NAMES gcc cc REQUIRED NO_CMAKE_FIND_ROOT_PATH)
find_program(MARLOWIN_HOST_CXX_COMPILER NAMES g++ c++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)

# BUILD_ALWAYS: the nested Ninja decides what is out of date, so an edit in tools/ (or in the
# sources it shares with the product) reaches the generated files.
ExternalProject_Add(marlowin_host_tools
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/tools
  BINARY_DIR ${MARLOWIN_HOST_TOOLS_DIR}
  CMAKE_ARGS
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_C_COMPILER=${MARLOWIN_HOST_C_COMPILER}
    -DCMAKE_CXX_COMPILER=${MARLOWIN_HOST_CXX_COMPILER}
    -DCMAKE_RUNTIME_OUTPUT_DIRECTORY=${MARLOWIN_HOST_TOOLS_DIR}/bin
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2 --target ${MARLOWIN_HOST_TOOLS}
  INSTALL_COMMAND ""
  BUILD_ALWAYS ON
  BUILD_BYPRODUCTS ${host_tool_files}
  LOG_CONFIGURE ON
  LOG_BUILD ON
  LOG_OUTPUT_ON_FAILURE ON)

foreach(tool IN LISTS MARLOWIN_HOST_TOOLS)
  add_executable(host::${tool} IMPORTED GLOBAL)
  set_target_properties(host::${tool} PROPERTIES
    IMPORTED_LOCATION ${MARLOWIN_HOST_TOOLS_DIR}/bin/${tool})
  add_dependencies(host::${tool} marlowin_host_tools)
endforeach()
