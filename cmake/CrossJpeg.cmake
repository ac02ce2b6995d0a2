# A static libjpeg-turbo for Windows, built from Debian's own source package so that both builds
# decode with the same library version. The source is fetched once per build folder at configure
# time (it needs the deb-src entry that scripts/install-deps.sh adds); the library is built once
# by ExternalProject and stays in the build folder, so later builds do not redo it.
include(ExternalProject)

set(MARLOWIN_JPEG_ROOT ${CMAKE_BINARY_DIR}/_deps/libjpeg-turbo)
set(MARLOWIN_JPEG_SOURCE_DIR ${MARLOWIN_JPEG_ROOT}/src)
set(MARLOWIN_JPEG_PREFIX ${MARLOWIN_JPEG_ROOT}/prefix)
set(MARLOWIN_JPEG_LIBRARY ${MARLOWIN_JPEG_PREFIX}/lib/libjpeg.a)

if(NOT EXISTS ${MARLOWIN_JPEG_SOURCE_DIR}/CMakeLists.txt)
  set(download_dir ${MARLOWIN_JPEG_ROOT}/download)
  file(REMOVE_RECURSE ${download_dir} ${MARLOWIN_JPEG_SOURCE_DIR})
  file(MAKE_DIRECTORY ${download_dir})
  message(STATUS "Fetching Debian's libjpeg-turbo source package")
  execute_process(
    COMMAND apt-get source --quiet libjpeg-turbo
    WORKING_DIRECTORY ${download_dir}
    RESULT_VARIABLE fetch_result
    OUTPUT_VARIABLE fetch_output
    ERROR_VARIABLE fetch_output)
  file(GLOB unpacked LIST_DIRECTORIES true ${download_dir}/libjpeg-turbo-*)
  list(FILTER unpacked EXCLUDE REGEX "\\.(dsc|tar\\..*)$")
  if(NOT fetch_result EQUAL 0 OR NOT unpacked)
    message(FATAL_ERROR
      "apt-get source libjpeg-turbo failed (a deb-src entry and dpkg-dev are needed: "
      "run scripts/install-deps.sh as root):\n${fetch_output}")
  endif()
  file(RENAME ${unpacked} ${MARLOWIN_JPEG_SOURCE_DIR})
  file(REMOVE_RECURSE ${download_dir})
endif()

# Only the static library is built; REQUIRE_SIMD makes a missing nasm fail loudly instead of
# silently giving a decoder several times slower.
ExternalProject_Add(libjpeg_turbo_windows
  SOURCE_DIR ${MARLOWIN_JPEG_SOURCE_DIR}
  BINARY_DIR ${MARLOWIN_JPEG_ROOT}/build
  INSTALL_DIR ${MARLOWIN_JPEG_PREFIX}
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${CMAKE_TOOLCHAIN_FILE}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=<INSTALL_DIR>
    -DENABLE_SHARED=OFF
    -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF
    -DREQUIRE_SIMD=1
  BUILD_COMMAND ${CMAKE_COMMAND} --build <BINARY_DIR> --parallel 2 --target jpeg-static
  INSTALL_COMMAND
    ${CMAKE_COMMAND} -E copy <BINARY_DIR>/libjpeg.a <INSTALL_DIR>/lib/libjpeg.a
    COMMAND ${CMAKE_COMMAND} -E copy <BINARY_DIR>/jconfig.h <SOURCE_DIR>/jerror.h
      <SOURCE_DIR>/jmorecfg.h <SOURCE_DIR>/jpeglib.h <INSTALL_DIR>/include
  BUILD_BYPRODUCTS ${MARLOWIN_JPEG_LIBRARY}
  LOG_CONFIGURE ON
  LOG_BUILD ON
  LOG_OUTPUT_ON_FAILURE ON)

file(MAKE_DIRECTORY ${MARLOWIN_JPEG_PREFIX}/include ${MARLOWIN_JPEG_PREFIX}/lib)
add_library(marlowin_jpeg INTERFACE)
target_include_directories(marlowin_jpeg SYSTEM INTERFACE ${MARLOWIN_JPEG_PREFIX}/include)
target_link_libraries(marlowin_jpeg INTERFACE ${MARLOWIN_JPEG_LIBRARY})
add_dependencies(marlowin_jpeg libjpeg_turbo_windows)
