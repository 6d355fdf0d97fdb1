# Cross toolchain: the shipped 32-bit programs for Windows NT 4.0 and Windows 2000.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(KV_MINGW_TRIPLET i686-w64-mingw32)
set(KV_WINEARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
