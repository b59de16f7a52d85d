# Shared part of the mingw-w64 toolchains (posix thread model); every test
# program of a Windows build runs through Wine (cmake/wine-run).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${VOK_MINGW_CPU})

set(CMAKE_C_COMPILER   ${VOK_MINGW_CPU}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${VOK_MINGW_CPU}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  ${VOK_MINGW_CPU}-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VOK_MINGW_CPU}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run)
