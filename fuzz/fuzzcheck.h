#ifndef ZEL_FUZZCHECK_H
#define ZEL_FUZZCHECK_H

#include <cstdio>
#include <cstdlib>

// Ends the run with a message when `condition` does not hold. libFuzzer
// takes the abort as a crash and keeps the input that caused it; the
// corpus replay fails its test.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);     \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

#endif // ZEL_FUZZCHECK_H
