# Cross toolchain: the 64-bit Wine test bed. Nothing built with it ships (the product is 32-bit);
# it builds the same sources and tests for machines whose kernel cannot run 32-bit code, where the
# 32-bit build's tests cannot run under Wine.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KV_MINGW_TRIPLET x86_64-w64-mingw32)
set(KV_WINEARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
