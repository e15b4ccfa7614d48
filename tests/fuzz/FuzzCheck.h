#pragma once
#include <cstdio>
#include <cstdlib>

// Stops the fuzzer with the broken property named, so the saved input comes with its reason.
#define FUZZ_CHECK(condition, property)                                                    \
  do {                                                                                     \
    if (!(condition)) {                                                                    \
      std::fprintf(stderr, "property broken: %s (%s:%d)\n", property, __FILE__, __LINE__); \
      std::abort();                                                                        \
    }                                                                                      \
  } while (false)
