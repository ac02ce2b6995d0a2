# libjpeg: the system's libjpeg-turbo natively; for Windows a static libjpeg-turbo cross-built
# from Debian's source package (see cmake/CrossJpeg.cmake).
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/CrossJpeg.cmake)
else()
  find_package(JPEG REQUIRED)
  add_library(marlowin_jpeg INTERFACE)
  target_link_libraries(marlowin_jpeg INTERFACE JPEG::JPEG)
endif()
