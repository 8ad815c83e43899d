#pragma once
// Debug assertions for caller errors: a broken precondition that only a programming
// mistake can cause (a null array with a count, an index past the end). They stop the
// program with the condition and its place while NDEBUG is not defined (Debug and the
// sanitizer build) and cost nothing otherwise. Data from files and from users is never
// asserted: bad input keeps being tolerated silently where the contracts say so.
#include <cstdio>
#include <cstdlib>

#ifdef NDEBUG
#define PELLOMIR_ASSERT(cond) ((void)0)
#else
#define PELLOMIR_ASSERT(cond) \
  ((cond) ? (void)0 : (std::fprintf(stderr, "%s:%d: assertion failed: %s\n", __FILE__, __LINE__, #cond), std::abort()))
#endif
