# Cross build for 64-bit Windows with Debian's MinGW-w64. The posix thread model is required:
# the win32 one has no std::mutex / std::condition_variable, and GoogleTest needs them.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MARLOWIN_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MARLOWIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MARLOWIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${MARLOWIN_MINGW_PREFIX}-windres)
set(CMAKE_ASM_NASM_COMPILER nasm)

set(CMAKE_FIND_ROOT_PATH /usr/${MARLOWIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Wide-character Win32 API everywhere; one self-contained .exe with no MinGW DLL beside it.
set(CMAKE_C_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_CXX_FLAGS_INIT "-DUNICODE -D_UNICODE")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
