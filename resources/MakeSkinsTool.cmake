# The painter of the shipped pictures, as custom commands name it: host::make_skins, built for
# the build machine in either build. Until that name exists, the native build's own target.
if(TARGET host::make_skins)
  set(MARLOWIN_MAKE_SKINS host::make_skins)
elseif(TARGET make_skins)
  set(MARLOWIN_MAKE_SKINS make_skins)
else()
  message(FATAL_ERROR "The host tool make_skins is not available to this build (see cmake/HostTools.cmake).")
endif()
