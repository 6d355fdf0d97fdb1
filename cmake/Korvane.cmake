# Build helpers shared by every folder of the project.
#
#   kv_library(name SOURCES ... [LIBS ...])        portable static library (both builds)
#   kv_unit_test(name SOURCES ... [LIBS ...] [WINE_PREFIX p] [WINVER v] [XVFB])
#                                                   GoogleTest executable; native build runs it
#                                                   directly, the Windows build runs it under Wine
#   kv_wine_test(name COMMAND ... [WINE_PREFIX p] [WINVER v] [XVFB] [TIMEOUT s])
#                                                   any command run under the Wine harness (Windows build only)
#   kv_fuzz_target(name SOURCES ... [LIBS ...])   libFuzzer target (fuzz build only); the target
#                                                   kv_fuzzers builds all of them and nothing else
#   kv_version_resource(target DESCRIPTION text FILENAME name)
#                                                   VERSIONINFO resource for a deliverable

option(KV_SANITIZE "Build the native tree with address and undefined-behaviour sanitizers" ON)
option(KV_FUZZ "Build the libFuzzer targets (native clang build only)" OFF)

set(KV_ROOT ${CMAKE_CURRENT_LIST_DIR}/..)
set(KV_WINE_RUN ${KV_ROOT}/tests/wine/kv-wine)

if(WIN32)
  # Which Wine runs this build's programs (win32: the shipped 32-bit build; win64: the test bed).
  # Scripts that take a build folder read it from <build>/wine-arch.
  file(WRITE ${CMAKE_BINARY_DIR}/wine-arch "${KV_WINEARCH}\n")
  # Static runtime: test executables and deliverables need no MinGW DLLs under Wine.
  # The floor is Windows NT 4.0 SP6a with Internet Explorer 5.01; the Windows 2000 declarations are
  # visible so that newer functions can be looked up at run time (tools/floorcheck keeps the imports
  # on the floor).
  add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0500 WINVER=0x0500 _WIN32_IE=0x0500)
  set(CMAKE_EXE_LINKER_FLAGS "${CMAKE_EXE_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
  set(CMAKE_SHARED_LINKER_FLAGS "${CMAKE_SHARED_LINKER_FLAGS} -static -static-libgcc -static-libstdc++")
  # Release deliverables carry no symbol tables: smaller files map faster at start.
  set(CMAKE_EXE_LINKER_FLAGS_RELEASE "${CMAKE_EXE_LINKER_FLAGS_RELEASE} -s")
  set(CMAKE_SHARED_LINKER_FLAGS_RELEASE "${CMAKE_SHARED_LINKER_FLAGS_RELEASE} -s")
  set(gtest_force_shared_crt OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # The win32 thread model has no std::mutex; GoogleTest gets its one use of it from tests/gtest_port.
  foreach(t gtest gtest_main gmock gmock_main)
    target_include_directories(${t} BEFORE PUBLIC ${KV_ROOT}/tests/gtest_port)
  endforeach()
  set(KV_GTEST_LIBS gtest gmock)
  set(KV_GTEST_MAIN gtest_main)
else()
  find_package(GTest REQUIRED)
  find_package(Threads REQUIRED)
  set(KV_GTEST_LIBS GTest::gtest GTest::gmock Threads::Threads)
  set(KV_GTEST_MAIN GTest::gtest_main)
  if(KV_FUZZ)
    add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  elseif(KV_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
  endif()
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra)
endif()

function(kv_library name)
  cmake_parse_arguments(A "" "" "SOURCES;LIBS;INCLUDES" ${ARGN})
  add_library(${name} STATIC ${A_SOURCES})
  target_include_directories(${name} PUBLIC ${KV_ROOT} ${A_INCLUDES})
  if(A_LIBS)
    target_link_libraries(${name} PUBLIC ${A_LIBS})
  endif()
endfunction()

# Registers an already-built target or command as a test, with the Wine harness
# settings passed through the environment of tests/wine/kv-wine.
function(_kv_wine_env test prefix winver xvfb timeout)
  if(NOT prefix)
    set(prefix main)
  endif()
  set(env "KV_BUILD_DIR=${CMAKE_BINARY_DIR}" "KV_PREFIX=${prefix}" "KV_WINEARCH=${KV_WINEARCH}")
  if(winver)
    list(APPEND env "KV_WINVER=${winver}")
  endif()
  if(xvfb)
    list(APPEND env "KV_XVFB=1")
  endif()
  if(NOT timeout)
    set(timeout 300)
  endif()
  set_tests_properties(${test} PROPERTIES ENVIRONMENT "${env}"
    RESOURCE_LOCK "wineprefix-${prefix}" TIMEOUT ${timeout})
endfunction()

# Test code is compiled at -O1 in the Windows builds (what ships stays at the build type's level):
# GoogleTest's macros make large functions, and optimising them hard costs build time, not test time.
if(WIN32)
  set(KV_TEST_COMPILE_OPTIONS -O1)
endif()

# One precompiled GoogleTest header for every test executable (the header is the larger part of each
# test file's compile). Every test target shares its flags, so the one header stays valid for all.
function(_kv_gtest_pch)
  if(TARGET kv_gtest_pch)
    return()
  endif()
  add_library(kv_gtest_pch STATIC ${KV_ROOT}/tests/gtest_pch/gtest_pch.cpp)
  target_link_libraries(kv_gtest_pch PRIVATE ${KV_GTEST_LIBS})
  target_compile_options(kv_gtest_pch PRIVATE ${KV_TEST_COMPILE_OPTIONS})
  target_precompile_headers(kv_gtest_pch PRIVATE <gtest/gtest.h>)
endfunction()

function(kv_unit_test name)
  cmake_parse_arguments(A "XVFB;NO_WINE" "WINE_PREFIX;WINVER;TIMEOUT" "SOURCES;LIBS" ${ARGN})
  if((WIN32 AND A_NO_WINE) OR KV_FUZZ OR KV_HOST_TOOLS_ONLY)
    return()
  endif()
  _kv_gtest_pch()
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS} ${KV_GTEST_LIBS} ${KV_GTEST_MAIN})
  target_compile_options(${name} PRIVATE ${KV_TEST_COMPILE_OPTIONS})
  target_precompile_headers(${name} REUSE_FROM kv_gtest_pch)
  # C files among the sources (interface identifiers from the IDL compiler) take no C++ header.
  foreach(source ${A_SOURCES})
    if(source MATCHES "\\.c$")
      set_source_files_properties(${source} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
  endforeach()
  target_include_directories(${name} PRIVATE ${KV_ROOT})
  add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
  if(WIN32)
    _kv_wine_env(${name} "${A_WINE_PREFIX}" "${A_WINVER}" "${A_XVFB}" "${A_TIMEOUT}")
  else()
    set_tests_properties(${name} PROPERTIES TIMEOUT 120 LABELS native)
  endif()
endfunction()

# libFuzzer target (fuzz build only); scripts/run-fuzzers.sh runs everything in fuzz_targets/.
function(kv_fuzz_target name)
  if(NOT KV_FUZZ)
    return()
  endif()
  cmake_parse_arguments(A "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${A_SOURCES})
  target_link_libraries(${name} PRIVATE ${A_LIBS})
  target_include_directories(${name} PRIVATE ${KV_ROOT})
  target_link_options(${name} PRIVATE -fsanitize=fuzzer)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz_targets)
  set_property(GLOBAL APPEND PROPERTY KV_FUZZ_TARGETS ${name})
endfunction()

function(kv_wine_test name)
  if(NOT WIN32 OR KV_HOST_TOOLS_ONLY)
    return()
  endif()
  cmake_parse_arguments(A "XVFB" "WINE_PREFIX;WINVER;TIMEOUT" "COMMAND" ${ARGN})
  add_test(NAME ${name} COMMAND ${A_COMMAND})
  _kv_wine_env(${name} "${A_WINE_PREFIX}" "${A_WINVER}" "${A_XVFB}" "${A_TIMEOUT}")
endfunction()

function(kv_version_resource target)
  cmake_parse_arguments(A "" "DESCRIPTION;FILENAME" "" ${ARGN})
  set(KV_FILE_DESCRIPTION "${A_DESCRIPTION}")
  set(KV_ORIGINAL_FILENAME "${A_FILENAME}")
  set(KV_INTERNAL_NAME "${target}")
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${target}_version.rc)
  configure_file(${KV_ROOT}/resources/version.rc.in ${out} @ONLY)
  target_sources(${target} PRIVATE ${out})
endfunction()

# windres leaves no dependency file: a resource script is compiled again when one of the string
# tables it includes (the .rc and .h files of its folder) changes. Call in the folder of the target.
function(kv_resource_depends)
  foreach(rc ${ARGN})
    get_filename_component(folder ${rc} DIRECTORY)
    file(GLOB included CONFIGURE_DEPENDS ${folder}/*.rc ${folder}/*.h)
    list(REMOVE_ITEM included ${rc})
    set_source_files_properties(${rc} PROPERTIES OBJECT_DEPENDS "${included}")
  endforeach()
endfunction()
