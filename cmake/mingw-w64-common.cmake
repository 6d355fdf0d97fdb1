# The part both MinGW toolchain files share; they set KV_MINGW_TRIPLET and KV_WINEARCH first.
# win32 thread model: no winpthreads, whose imports Windows NT 4.0 lacks.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${KV_MINGW_TRIPLET}-gcc-win32)
set(CMAKE_CXX_COMPILER ${KV_MINGW_TRIPLET}-g++-win32)
set(CMAKE_RC_COMPILER ${KV_MINGW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${KV_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Test executables run through Wine in the build's private prefix (see tests/wine/kv-wine).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/wine/kv-wine)
