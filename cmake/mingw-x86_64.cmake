# The same Windows sources as 64-bit programs, for running the Windows test
# suites under Wine on a kernel that cannot execute 32-bit code.
set(VOK_MINGW_CPU x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
