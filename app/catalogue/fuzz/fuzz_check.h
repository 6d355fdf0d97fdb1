// Property checks inside fuzz targets: a broken property aborts, so libFuzzer keeps the input.
#pragma once

#include <cstdio>
#include <cstdlib>

#define KV_FUZZ_CHECK(condition)                                                      \
  do {                                                                                \
    if (!(condition)) {                                                               \
      std::fprintf(stderr, "property failed: %s (%s:%d)\n", #condition, __FILE__, __LINE__); \
      std::abort();                                                                   \
    }                                                                                 \
  } while (0)
