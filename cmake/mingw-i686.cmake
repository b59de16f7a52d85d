# The Windows build: 32-bit ANSI Win32 programs (PE32, Intel 80386).
set(VOK_MINGW_CPU i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
